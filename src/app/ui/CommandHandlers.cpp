#include "app/ui/CommandHandlers.h"

#include "app/ui/DocCommands.h"
#include "app/ui/EventMenuCommands.h"
#include "backup/ui/BackupCommands.h"
#include "guests/ui/ImportCommands.h"
#include "seating/ui/AutoSeatingCommands.h"
#include "approvals/ui/ApprovalCommands.h"
#include "sms/ui/SmsCommands.h"
#include "reports/ui/ReportCommands.h"
#include "backup/ui/SharingCommands.h"

// A subsystem's menu commands join the main window by one line here.
CommandHandlerList CreateCommandHandlers(const CommandContext& context, std::function<void()> rearmBackupTimer)
{
    CommandHandlerList handlers;
    handlers.push_back(std::make_unique<CDocCommands>(context, std::move(rearmBackupTimer)));
    handlers.push_back(std::make_unique<CEventMenuCommands>(context));
    handlers.push_back(std::make_unique<CBackupCommands>(context));
    handlers.push_back(std::make_unique<CImportCommands>(context));
    handlers.push_back(std::make_unique<CAutoSeatingCommands>(context));
    handlers.push_back(std::make_unique<CSmsCommands>(context));
    handlers.push_back(std::make_unique<CApprovalCommands>(context));
    handlers.push_back(std::make_unique<CReportCommands>(context));
    handlers.push_back(std::make_unique<CSharingCommands>(context));
    return handlers;
}
