#include "app/ui/DesktopPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

bool CDesktopPlatform::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

bool CDesktopPlatform::OpenFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool CDesktopPlatform::StartProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool CDesktopPlatform::ComposeMail(const QString& subject, const QString& body, const QStringList& attachments)
{
    QStringList arguments{QStringLiteral("--subject"), subject, QStringLiteral("--body"), body};
    for (const QString& file : attachments)
        arguments << QStringLiteral("--attach") << file;
    return QProcess::startDetached(QStringLiteral("xdg-email"), arguments);
}

QString CDesktopPlatform::ChooseFile(const QString& caption, const QString& filters)
{
    return QFileDialog::getOpenFileName(m_parent, caption, QString(), filters);
}

QString CDesktopPlatform::ChooseFileIn(const QString& caption, const QString& folder, const QString& filters)
{
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filters);
}

QString CDesktopPlatform::ChooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filters)
{
    return QFileDialog::getSaveFileName(m_parent, caption, proposedPath, filters);
}

QString CDesktopPlatform::ChooseFolder(const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, startFolder);
}
