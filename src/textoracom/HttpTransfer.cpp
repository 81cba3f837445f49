#include "textoracom/HttpTransfer.h"

#include "textoracom/Tools.h"

bool CHttpTransfer::OpenUrl(const QByteArray& url, long timeoutSeconds, QString* text)
{
    CURLcode code = m_session.Prepare(timeoutSeconds);
    if (code == CURLE_OK) {
        CURL* handle = m_session.Handle();
        curl_easy_setopt(handle, CURLOPT_USERAGENT, "TextoraCom");
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
        code = curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    }
    if (code == CURLE_OK)
        code = m_session.Perform();
    *text = code == CURLE_OK ? Tools::AnsiText(m_session.Body()) : m_session.Description(code);
    return code == CURLE_OK;
}
