#pragma once

#include <QString>

class IUserMessages;
class QWidget;

// The save dialog of the reports and exports, and the message when a file could not be written.
namespace ReportSaving {

// A save dialog proposing the next free "<base><n>.<extension>" of the Reports folder in the data
// folder. An existing file asks before it is replaced. Empty on cancel or No.
QString AskPath(QWidget* parent, const QString& dataFolder, IUserMessages* messages, const QString& filter,
                const QString& baseName, const QString& extension);
// Tells the user which file was not written; returns written.
bool Checked(bool written, const QString& path, IUserMessages* messages);

}
