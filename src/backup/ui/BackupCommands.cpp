#include "backup/ui/BackupCommands.h"

#include "backup/core/EventExport.h"
#include "backup/core/EventMail.h"
#include "backup/ui/BackUpDlg.h"
#include "controls/CommandIds.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"

#include <QApplication>
#include <QDir>

CBackupCommands::CBackupCommands(const CommandContext& context)
    : m_document(context.document)
    , m_platform(context.platform)
    , m_frame(context.frame)
{
}

bool CBackupCommands::HandlesCommand(int command) const
{
    return command == ID_RESTORE || command == ID_EXPORT_TO_FOLDER || command == ID_EXPORT_BY_MAIL;
}

void CBackupCommands::OnCommand(int command)
{
    switch (command) {
    case ID_RESTORE: {
        CBackUpDlg dialog(m_document, &m_frame);
        dialog.exec();
        break;
    }
    case ID_EXPORT_TO_FOLDER:
        ExportToFolder();
        break;
    case ID_EXPORT_BY_MAIL: {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CEventMail(m_document, m_platform).Send();
        QApplication::restoreOverrideCursor();
        break;
    }
    default:
        break;
    }
}

void CBackupCommands::ExportToFolder()
{
    const QString folder = m_platform.ChooseFolder(QStringLiteral("בחר סיפריה בה ישמרו נתוני התוכנה"), QDir::homePath());
    if (!folder.isEmpty())
        CEventExport(m_document).Export(folder);
}
