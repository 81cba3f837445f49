#include "approvals/core/HttpGet.h"

#include <QLoggingCategory>

#include <curl/curl.h>

Q_LOGGING_CATEGORY(lcHttp, "WEDDING - CHttpGet")

namespace {

struct Transfer
{
    QByteArray body;
    int maxBytes;
    const std::atomic_bool* cancel;
};

size_t Collect(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const qsizetype room = transfer->maxBytes - transfer->body.size();
    const qsizetype length = qsizetype(size * count);
    transfer->body.append(data, qMin(room, length));
    // Returning less than was offered ends the transfer: the rest of the page is not wanted.
    return length <= room ? size * count : 0;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* transfer = static_cast<const Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

}

CHttpGet::Reply CHttpGet::Fetch(const QString& url, const QString& agent, int maxBytes,
                                const std::atomic_bool* cancel, int timeoutSeconds)
{
    Reply reply;
    CURL* curl = curl_easy_init();
    if (!curl)
        return reply;
    Transfer transfer{{}, maxBytes, cancel};
    const QByteArray address = url.toUtf8();
    const QByteArray agentName = agent.toUtf8();
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, agentName.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(qMin(timeoutSeconds, 10)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(timeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

    const CURLcode result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);

    const bool cutShort = result == CURLE_WRITE_ERROR && transfer.body.size() == maxBytes;
    reply.ok = (result == CURLE_OK || cutShort) && reply.status < 400;
    if (result != CURLE_OK && !cutShort)
        qCDebug(lcHttp) << "Fetch:" << url << curl_easy_strerror(result);
    reply.body = std::move(transfer.body);
    return reply;
}
