#pragma once

#include "textoracom/CurlSession.h"

#include <QByteArray>
#include <QString>

// The SMTP mail component: one plain-text message to one recipient. The server is offered
// STARTTLS whenever it announces it; a server that announces it but fails the TLS handshake gets
// nothing, so the message (whose subject may hold a password) never travels in clear text.
class CSmtpMail
{
public:
    void SetCharset(const QString& charset) { m_charset = charset; }
    void SetFromAddress(const QString& address);
    // "host", "host:port" or a whole "smtp://" or "smtps://" address.
    void SetMailServer(const QString& server) { m_server = server; }
    void SetRecipient(const QString& name, const QString& address);
    void SetSubject(const QString& subject) { m_subject = subject; }
    void SetFromName(const QString& name) { m_fromName = name; }
    void SetBody(const QString& body) { m_body = body; }
    void SetTimeout(long seconds) { m_timeoutSeconds = seconds; }

    // 0 when the server took the message, else the number of the failure (above 0).
    int Send();
    // The message as it goes to the server.
    QByteArray Message() const;

private:
    QByteArray Encoded(const QString& text) const;
    QByteArray EncodedWord(const QString& text) const;
    QByteArray HeaderText(const QString& text) const;
    QByteArray HeaderPhrase(const QString& text) const;

    QString m_charset = QStringLiteral("UTF-8");
    QString m_fromAddress;
    QString m_server;
    QString m_recipientName;
    QString m_recipient;
    QString m_subject;
    QString m_fromName;
    QString m_body;
    long m_timeoutSeconds = 60;
};
