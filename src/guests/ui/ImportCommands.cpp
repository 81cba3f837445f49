#include "guests/ui/ImportCommands.h"

#include "guests/ui/ImportGuestDlg.h"

#include "controls/CommandIds.h"

CImportCommands::CImportCommands(const CommandContext& context)
    : m_document(context.document)
    , m_platform(context.platform)
    , m_frame(context.frame)
{
}

bool CImportCommands::HandlesCommand(int command) const
{
    return command == ID_IMPORT;
}

void CImportCommands::OnCommand(int command)
{
    if (command != ID_IMPORT)
        return;
    CImportGuestDlg dialog(m_document, m_platform, &m_frame);
    dialog.exec();
}
