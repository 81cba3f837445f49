#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

// aiosmtpd on 127.0.0.1 with the recording handler of smtp_recorder.py, started for one test and
// stopped by its process id. With tls it offers STARTTLS (a self-signed certificate) and, as
// aiosmtpd does by default, takes no mail before the client has switched to TLS.
class CSmtpSink
{
public:
    explicit CSmtpSink(bool tls = false);
    ~CSmtpSink();

    bool IsRunning() const { return m_running; }
    // The value for a method's MailServer key.
    QString Server() const;
    QList<QJsonObject> Messages() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
