#include "app/ui/DesktopPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

namespace {

// How long xdg-email may take to hand the message over.
constexpr int kMailHandOverMs = 15000;

}

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
    // xdg-email says by its exit code whether the mail program took the message. One that opens
    // in its stead keeps it running: that process is left alone and goes when it ends.
    auto* mail = new QProcess;
    QObject::connect(mail, &QProcess::finished, mail, &QObject::deleteLater);
    mail->start(QStringLiteral("xdg-email"), arguments);
    if (!mail->waitForStarted()) {
        delete mail;
        return false;
    }
    if (!mail->waitForFinished(kMailHandOverMs))
        return true;
    return mail->exitStatus() == QProcess::NormalExit && mail->exitCode() == 0;
}

QString CDesktopPlatform::ChooseFile(const QString& caption, const QString& filters)
{
    return QFileDialog::getOpenFileName(m_parent, caption, QString(), filters);
}

QString CDesktopPlatform::ChooseFolder(const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, startFolder);
}
