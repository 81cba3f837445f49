#include "textoracom/HttpTransfer.h"

#include "textoracom/Tools.h"

namespace {

size_t AppendBody(char* data, size_t size, size_t count, void* body)
{
    static_cast<QByteArray*>(body)->append(data, qsizetype(size * count));
    return size * count;
}

}

bool CHttpTransfer::OpenUrl(const QByteArray& url, long timeoutSeconds, QString* text)
{
    CURLcode code = m_session.Prepare(timeoutSeconds);
    QByteArray body;
    if (code == CURLE_OK) {
        CURL* handle = m_session.Handle();
        curl_easy_setopt(handle, CURLOPT_USERAGENT, "TextoraCom");
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody);
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
        code = curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    }
    if (code == CURLE_OK)
        code = m_session.Perform();
    *text = code == CURLE_OK ? Tools::AnsiText(body) : m_session.Description(code);
    return code == CURLE_OK;
}
