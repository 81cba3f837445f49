#include "app/ui/EventMenuCommands.h"

#include "app/ui/NewEventWizard.h"
#include "app/ui/SelectEvent.h"
#include "app/ui/WeddingInfoDlg.h"
#include "controls/CommandIds.h"

CEventMenuCommands::CEventMenuCommands(const CommandContext& context)
    : m_document(context.document)
    , m_frame(context.frame)
{
}

bool CEventMenuCommands::HandlesCommand(int command) const
{
    return command == ID_EVENT_DETAILS || command == ID_ADD_EVENT || command == ID_SWITCH_EVENT;
}

void CEventMenuCommands::OnCommand(int command)
{
    switch (command) {
    case ID_EVENT_DETAILS: {
        CWeddingInfoDlg dialog(m_document, &m_frame);
        dialog.exec();
        break;
    }
    case ID_ADD_EVENT:
        CNewEventWizard::Run(m_document, true, &m_frame);
        break;
    case ID_SWITCH_EVENT: {
        CSelectEvent dialog(m_document, &m_frame);
        dialog.exec();
        break;
    }
    default:
        break;
    }
}
