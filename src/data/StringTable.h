#pragma once

#include <QString>

// The program's string table: every text the program shows or writes by number.
namespace StringTable {
// The text of the id, or an empty text for an id the table does not hold.
QString Get(int id);
bool Has(int id);
}
