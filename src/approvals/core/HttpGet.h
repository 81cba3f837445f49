#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

// One HTTP GET through libcurl with the program's agent name, past every cache, reading at most a
// given number of bytes of the reply. Safe to use on a worker thread.
class CHttpGet
{
public:
    struct Reply
    {
        bool ok = false;     // a reply came and its status was not an error
        long status = 0;     // the HTTP status
        QByteArray body;     // at most the requested number of bytes
    };

    // cancel, when given, aborts the transfer as soon as it becomes true.
    static Reply Fetch(const QString& url, const QString& agent, int maxBytes,
                       const std::atomic_bool* cancel = nullptr, int timeoutSeconds = 20);
};
