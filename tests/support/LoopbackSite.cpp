#include "support/LoopbackSite.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

CLoopbackSite::CLoopbackSite()
{
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments({QStringLiteral(RAVIVAZ_TEST_SUPPORT "/loopback_site.py"), m_folder.path()});
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return;
    while (!m_output.contains('\n') && m_process.waitForReadyRead(10000))
        m_output += m_process.readAllStandardOutput();
    const qsizetype end = m_output.indexOf('\n');
    if (end > 0)
        m_port = quint16(m_output.left(end).trimmed().toUInt());
    m_output.remove(0, end + 1);
}

CLoopbackSite::~CLoopbackSite()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(5000)) {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished(5000);
    }
}

QString CLoopbackSite::Url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port) + path;
}

bool CLoopbackSite::Serve(const QString& path, const QByteArray& body)
{
    const QString file = m_folder.path() + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(file).absolutePath());
    return TestFiles::Write(file, body);
}

QStringList CLoopbackSite::Requests()
{
    m_process.waitForReadyRead(100);
    m_output += m_process.readAllStandardOutput();
    QStringList lines;
    for (const QByteArray& line : m_output.split('\n')) {
        if (!line.isEmpty())
            lines.append(QString::fromUtf8(line));
    }
    return lines;
}
