#pragma once

#include <QString>
#include <QStringList>

// The program's string table: every text the program shows or writes by number.
namespace StringTable {
// The text of the id, or an empty text for an id the table does not hold.
QString Get(int id);
bool Has(int id);
// Fills the printf-style placeholders of a text ("%s", "%d", "%%") with the arguments in order;
// the arguments are taken as they are, never read as placeholders themselves.
QString Fill(const QString& format, const QStringList& args);
}
