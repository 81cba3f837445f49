#include "textoracom/SmtpMail.h"

#include "textoracom/Tools.h"

#include <QDateTime>

#include <cstring>

namespace {

// Control characters in an address would end the SMTP command line early.
QString AddressText(const QString& address)
{
    QString clean;
    for (QChar c : address)
        if (c.unicode() >= 32)
            clean += c;
    return clean;
}

bool IsPlainAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    return true;
}

struct Payload
{
    QByteArray bytes;
    qsizetype sent = 0;
};

size_t ReadPayload(char* buffer, size_t size, size_t count, void* data)
{
    auto* payload = static_cast<Payload*>(data);
    const qsizetype chunk = qMin(qsizetype(size * count), payload->bytes.size() - payload->sent);
    memcpy(buffer, payload->bytes.constData() + payload->sent, size_t(chunk));
    payload->sent += chunk;
    return size_t(chunk);
}

QByteArray Base64Lines(const QByteArray& bytes)
{
    const QByteArray base64 = bytes.toBase64();
    QByteArray lines;
    for (qsizetype i = 0; i < base64.size(); i += 76)
        lines += base64.mid(i, 76) + "\r\n";
    return lines;
}

}

void CSmtpMail::SetFromAddress(const QString& address)
{
    m_fromAddress = AddressText(address);
}

void CSmtpMail::SetRecipient(const QString& name, const QString& address)
{
    m_recipientName = name;
    m_recipient = AddressText(address);
}

QByteArray CSmtpMail::Encoded(const QString& text) const
{
    return Tools::EncodeText(text, m_charset.toLatin1());
}

QByteArray CSmtpMail::EncodedWord(const QString& text) const
{
    return "=?" + m_charset.toLatin1() + "?B?" + Encoded(text).toBase64() + "?=";
}

// Plain printable ASCII goes as it is; anything else as an encoded word, which also keeps line
// breaks in the text from starting new header lines.
QByteArray CSmtpMail::HeaderText(const QString& text) const
{
    return IsPlainAscii(text) ? text.toLatin1() : EncodedWord(text);
}

QByteArray CSmtpMail::HeaderPhrase(const QString& text) const
{
    if (IsPlainAscii(text) && !text.contains(u'"') && !text.contains(u'\\'))
        return '"' + text.toLatin1() + '"';
    return EncodedWord(text);
}

QByteArray CSmtpMail::Message() const
{
    QByteArray message;
    message += "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    message += "From: " + HeaderPhrase(m_fromName) + " <" + m_fromAddress.toUtf8() + ">\r\n";
    message += "To: " + HeaderPhrase(m_recipientName) + " <" + m_recipient.toUtf8() + ">\r\n";
    message += "Subject: " + HeaderText(m_subject) + "\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=\"" + m_charset.toLatin1() + "\"\r\n";
    message += "Content-Transfer-Encoding: base64\r\n\r\n";
    message += Base64Lines(Encoded(m_body));
    return message;
}

int CSmtpMail::Send()
{
    CCurlSession session;
    CURLcode code = session.Prepare(m_timeoutSeconds);
    if (code != CURLE_OK)
        return int(code);
    const QByteArray url = m_server.contains(QStringLiteral("://")) ? m_server.toUtf8() : "smtp://" + m_server.toUtf8();
    const QByteArray from = '<' + m_fromAddress.toUtf8() + '>';
    curl_slist* recipients = curl_slist_append(nullptr, ('<' + m_recipient.toUtf8() + '>').constData());
    if (!recipients)
        return int(CURLE_OUT_OF_MEMORY);
    Payload payload{Message()};
    CURL* handle = session.Handle();
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, ReadPayload);
    curl_easy_setopt(handle, CURLOPT_READDATA, &payload);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    code = curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    if (code == CURLE_OK)
        code = session.Perform();
    curl_slist_free_all(recipients);
    return int(code);
}
