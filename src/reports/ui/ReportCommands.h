#pragma once

#include "controls/CommandHandler.h"

#include <QString>

// The main menu's report commands: the two spreadsheet exports, and the four reports, which show
// the reports page with that report.
class CReportCommands : public ICommandHandler
{
public:
    explicit CReportCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

    // Writes the export (tables or guests) into the next free name of the Reports folder, or the
    // path given, and opens it in the spreadsheet program. False, with the path named to the user,
    // when it could not be written.
    bool Export(bool tables, const QString& chosenPath = QString());

private:
    CommandContext m_context;
};
