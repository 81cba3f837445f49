#include "sms/ui/SmsCommands.h"

#include "sms/ui/SendSMSDlg.h"

#include "controls/CommandIds.h"

CSmsCommands::CSmsCommands(const CommandContext& context)
    : m_context(context)
{
}

bool CSmsCommands::HandlesCommand(int command) const
{
    return command == ID_SEND_SMS;
}

void CSmsCommands::OnCommand(int command)
{
    if (command != ID_SEND_SMS)
        return;
    CSendSMSDlg dialog(m_context.document, nullptr, &m_context.frame);
    dialog.exec();
}
