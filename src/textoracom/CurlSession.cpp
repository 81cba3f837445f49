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
    curl_easy_setopt(m_handle, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
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
    return m_errorBuffer[0] ? QString::fromLocal8Bit(m_errorBuffer) : QString::fromUtf8(curl_easy_strerror(code));
}
