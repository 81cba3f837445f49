#include "SmtpSink.h"

#include "LoopbackPort.h"

#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QThread>

#include <signal.h>

CSmtpSink::CSmtpSink(bool tls)
    : m_port(UnusedLoopbackPort())
{
    QStringList arguments = {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                             QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                             QStringLiteral("-c"), QStringLiteral("smtp_recorder.Recorder")};
    if (tls)
        arguments << QStringLiteral("--tlscert") << QStringLiteral(TEXTORACOM_TEST_DIR "/fixtures/smtp-cert.pem")
                  << QStringLiteral("--tlskey") << QStringLiteral(TEXTORACOM_TEST_DIR "/fixtures/smtp-key.pem");
    arguments << m_dir.filePath(QStringLiteral("messages.jsonl"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(TEXTORACOM_TEST_DIR));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running && !LoopbackAccepts(m_port))
        QThread::msleep(20);
    m_running = m_process.state() == QProcess::Running && LoopbackAccepts(m_port);
}

CSmtpSink::~CSmtpSink()
{
    if (m_process.state() != QProcess::NotRunning) {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(3000)) {
            ::kill(pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished(3000);
        }
    }
}

QString CSmtpSink::Server() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QList<QJsonObject> CSmtpSink::Messages() const
{
    QList<QJsonObject> messages;
    for (const QByteArray& line : TestFiles::Read(m_dir.filePath(QStringLiteral("messages.jsonl"))).split('\n'))
        if (!line.isEmpty())
            messages << QJsonDocument::fromJson(line).object();
    return messages;
}
