#include "backup/core/FtpSession.h"

#include <QUrl>

#include <curl/curl.h>

#include <cstring>

namespace {

size_t Collect(char* data, size_t size, size_t count, void* target)
{
    static_cast<QByteArray*>(target)->append(data, qsizetype(size * count));
    return size * count;
}

struct Source
{
    const QByteArray* bytes;
    qsizetype offset;
};

size_t Feed(char* buffer, size_t size, size_t count, void* source)
{
    Source& from = *static_cast<Source*>(source);
    const size_t length = std::min(size * count, size_t(from.bytes->size() - from.offset));
    std::memcpy(buffer, from.bytes->constData() + from.offset, length);
    from.offset += qsizetype(length);
    return length;
}

}

CFtpSession::CFtpSession(const QString& server, const QString& user, const QString& password)
    : m_curl(curl_easy_init())
    , m_server(server.trimmed())
    , m_user(user.toUtf8())
    , m_password(password.toUtf8())
{
    m_errorBuffer[0] = 0;
}

CFtpSession::~CFtpSession()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
}

QByteArray CFtpSession::Url(const QString& path) const
{
    return "ftp://" + m_server.toUtf8() + '/' + QUrl::toPercentEncoding(path, "/");
}

bool CFtpSession::Perform(const QString& path)
{
    m_missing = false;
    m_lastError.clear();
    if (!m_curl) {
        m_lastError = m_server + QStringLiteral(": ") + QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return false;
    }
    curl_easy_setopt(m_curl, CURLOPT_URL, Url(path).constData());
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(m_curl, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
    // The connection stays in the login folder, so that the paths of Run mean the same as those
    // of the transfers.
    curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 30L);
    // A server that stops sending for this long has lost the connection.
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_errorBuffer);
    m_errorBuffer[0] = 0;
    const CURLcode code = curl_easy_perform(m_curl);
    if (code == CURLE_OK)
        return true;
    m_missing = code == CURLE_REMOTE_FILE_NOT_FOUND || code == CURLE_REMOTE_ACCESS_DENIED ||
                code == CURLE_FTP_COULDNT_RETR_FILE;
    const QString reason = QString::fromUtf8(m_errorBuffer[0] ? m_errorBuffer : curl_easy_strerror(code)).trimmed();
    m_lastError = m_server + QStringLiteral(": ") + reason;
    return false;
}

bool CFtpSession::Connect()
{
    if (m_curl)
        curl_easy_reset(m_curl);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    return Perform(QString());
}

bool CFtpSession::Get(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    if (m_curl) {
        curl_easy_reset(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, Collect);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &bytes);
    }
    return Perform(path);
}

bool CFtpSession::Put(const QString& path, const QByteArray& bytes)
{
    Source source{&bytes, 0};
    if (m_curl) {
        curl_easy_reset(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, Feed);
        curl_easy_setopt(m_curl, CURLOPT_READDATA, &source);
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(bytes.size()));
    }
    return Perform(path);
}

bool CFtpSession::Run(const QStringList& commands)
{
    curl_slist* list = nullptr;
    for (const QString& command : commands)
        list = curl_slist_append(list, command.toUtf8().constData());
    if (m_curl) {
        curl_easy_reset(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(m_curl, CURLOPT_QUOTE, list);
    }
    const bool done = Perform(QString());
    curl_slist_free_all(list);
    return done;
}

bool CFtpSession::List(const QString& folder, QStringList& names)
{
    QByteArray listing;
    if (m_curl) {
        curl_easy_reset(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_DIRLISTONLY, 1L);
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, Collect);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &listing);
    }
    names.clear();
    if (!Perform(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')))
        return false;
    for (const QByteArray& line : listing.split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        if (!name.isEmpty())
            names << name.section(QLatin1Char('/'), -1);
    }
    return true;
}
