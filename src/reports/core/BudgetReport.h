#pragma once

#include <QString>

class CNewZelDoc;

// The report of one budget option: its offers with their costs and the total.
namespace BudgetReport {

// option 1 to 3; an empty text for any other.
QString Html(CNewZelDoc& document, int option);
// Writes the report of the option into the file; false when the option is not 1 to 3 or the file
// could not be written.
bool Write(CNewZelDoc& document, int option, const QString& path);

}
