#pragma once

#include <QString>

// Files that come with the program (General.ini, Tips/, RC/): beside the program file first, then
// in the installed copy under the data prefix ("Ravivaz/" below each data location).
namespace ProgramFiles {
// The path of a file or folder below the program folder, or of its installed copy when only that
// exists; the path beside the program when neither does.
QString Locate(const QString& relative);
}
