#include "textoracom/CurlSession.h"

#include <mutex>

namespace {

void InitialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}

CCurlSession::CCurlSession()
{
    InitialiseOnce();
    m_handle = curl_easy_init();
}

CCurlSession::~CCurlSession()
{
    if (m_handle)
        curl_easy_cleanup(m_handle);
}

CURLcode CCurlSession::Prepare(long timeoutSeconds)
{
    if (!m_handle)
        return CURLE_FAILED_INIT;
    curl_easy_reset(m_handle);
    m_errorBuffer[0] = '\0';
    m_body.clear();
    m_answerBytes = 0;
    m_answerTooLong = false;
    curl_easy_setopt(m_handle, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, TakeBody);
    curl_easy_setopt(m_handle, CURLOPT_WRITEDATA, this);
    // Response lines of mail servers come here too.
    curl_easy_setopt(m_handle, CURLOPT_HEADERFUNCTION, TakeHeader);
    curl_easy_setopt(m_handle, CURLOPT_HEADERDATA, this);
    // The one option a setting can make invalid: a negative time-out.
    return curl_easy_setopt(m_handle, CURLOPT_TIMEOUT, timeoutSeconds);
}

CURLcode CCurlSession::Perform()
{
    m_errorBuffer[0] = '\0';
    return curl_easy_perform(m_handle);
}

QString CCurlSession::Description(CURLcode code) const
{
    if (m_answerTooLong)
        return QStringLiteral("The server's answer is longer than 1 MB; the transfer was stopped.");
    return m_errorBuffer[0] ? QString::fromLocal8Bit(m_errorBuffer) : QString::fromUtf8(curl_easy_strerror(code));
}

// Returning less than was given makes libcurl fail the transfer.
size_t CCurlSession::TakeBody(char* data, size_t size, size_t count, void* session)
{
    auto* self = static_cast<CCurlSession*>(session);
    if (!self->Count(size * count))
        return 0;
    self->m_body.append(data, qsizetype(size * count));
    return size * count;
}

size_t CCurlSession::TakeHeader(char*, size_t size, size_t count, void* session)
{
    return static_cast<CCurlSession*>(session)->Count(size * count) ? size * count : 0;
}

bool CCurlSession::Count(size_t bytes)
{
    if (bytes > size_t(kMostAnswerBytes - m_answerBytes)) {
        m_answerTooLong = true;
        return false;
    }
    m_answerBytes += qsizetype(bytes);
    return true;
}
