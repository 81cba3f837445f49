#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// An HTTP server on 127.0.0.1 in a thread of its own: it records the request line of every
// request and answers each with the same body, after an optional delay.
class CLoopbackHttpServer
{
public:
    explicit CLoopbackHttpServer(const QByteArray& body, int delayMs = 0);
    ~CLoopbackHttpServer();

    // The address to put into a method's URL key.
    QString Url() const;
    QList<QByteArray> RequestLines() const;

private:
    void Run();
    void Answer(int connection);

    int m_listener = -1;
    quint16 m_port = 0;
    QByteArray m_body;
    int m_delayMs;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QList<QByteArray> m_requestLines;
    std::thread m_thread;
};
