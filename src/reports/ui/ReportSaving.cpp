#include "reports/ui/ReportSaving.h"

#include "data/document/UserMessages.h"
#include "reports/core/ReportsFolder.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ReportSaving {

QString AskPath(QWidget* parent, const QString& dataFolder, IUserMessages* messages, const QString& filter,
                const QString& baseName, const QString& extension)
{
    const CReportsFolder folder(dataFolder);
    folder.Ensure(messages);
    QFileDialog dialog(parent, QString(), folder.ProposedName(baseName, extension), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().front();
    if (QFileInfo::exists(path)
        && (!messages
            || messages->MessageByText(QStringLiteral("הקובץ שנבחר כבר קיים!\r\nהאם להמשיך?"), QStringLiteral("קובץ כבר קיים"),
                                       MSG_YES_NO) != MSG_RESULT_YES))
        return QString();
    return path;
}

bool Checked(bool written, const QString& path, IUserMessages* messages)
{
    if (!written && messages)
        messages->MessageByText(QStringLiteral("לא ניתן לכתוב את הקובץ:\r\n") + path, QStringLiteral("שמירה נכשלה"), MSG_OK);
    return written;
}

}
