#include "FtpTestServer.h"

#include <signal.h>

CFtpTestServer::CFtpTestServer(const QStringList& options)
{
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments(QStringList{QStringLiteral(FTP_TEST_SERVER_SCRIPT), m_root.path(),
                                       QString::fromLatin1(kUser), QString::fromLatin1(kPassword)} +
                           options);
    // Its log is not needed, and a full pipe would stop the server.
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start();
    if (!m_process.waitForStarted())
        return;
    while (m_process.state() == QProcess::Running && !m_process.canReadLine())
        m_process.waitForReadyRead(1000);
    const QByteArray line = m_process.readLine().trimmed();
    if (line.startsWith("PORT "))
        m_port = line.mid(5).toInt();
}

CFtpTestServer::~CFtpTestServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished();
}

QString CFtpTestServer::Address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}
