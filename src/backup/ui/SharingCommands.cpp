#include "backup/ui/SharingCommands.h"

#include "backup/core/EventSharing.h"
#include "backup/ui/FtpServerDataDlg.h"
#include "controls/CommandIds.h"

#include <QApplication>

CSharingCommands::CSharingCommands(const CommandContext& context)
    : m_document(context.document)
    , m_platform(context.platform)
    , m_frame(context.frame)
{
}

bool CSharingCommands::HandlesCommand(int command) const
{
    return command == ID_FTP_SETTINGS || command == ID_FTP_DOWNLOAD || command == ID_FTP_UPLOAD;
}

void CSharingCommands::OnCommand(int command)
{
    switch (command) {
    case ID_FTP_SETTINGS: {
        CFtpServerDataDlg dialog(m_document, m_platform, &m_frame);
        dialog.exec();
        break;
    }
    case ID_FTP_DOWNLOAD:
        Download(m_document, m_platform, &m_frame, false);
        break;
    case ID_FTP_UPLOAD:
        Upload(m_document, m_platform, &m_frame, false);
        break;
    default:
        break;
    }
}

void CSharingCommands::Download(CNewZelDoc& document, IPlatform& platform, QWidget* parent, bool atStart)
{
    CEventSharing sharing(document, CFtpServerDataDlg::Editor(document, platform, parent));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    sharing.DownloadEvent(atStart);
    QApplication::restoreOverrideCursor();
}

void CSharingCommands::Upload(CNewZelDoc& document, IPlatform& platform, QWidget* parent, bool afterSave)
{
    CEventSharing sharing(document, CFtpServerDataDlg::Editor(document, platform, parent));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (afterSave)
        sharing.UploadAfterSave();
    else
        sharing.UploadEvent();
    QApplication::restoreOverrideCursor();
}
