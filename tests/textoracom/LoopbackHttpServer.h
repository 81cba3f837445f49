#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// An HTTP server on 127.0.0.1 in a thread of its own: it records the request line of every
// request and answers each with the same body, after an optional delay. A "{request}" in the
// body is replaced by the request line, as an error page that echoes the request shows it.
class CLoopbackHttpServer
{
public:
    // An answer that never ends: from the moment a client connects, head once and then body over
    // and over, until bytes are sent or the client hangs up. It waits for no request, so it also
    // serves a protocol in which the server speaks first.
    struct Endless
    {
        QByteArray head;
        QByteArray body;
        qint64 bytes;
    };

    explicit CLoopbackHttpServer(const QByteArray& body, int delayMs = 0);
    explicit CLoopbackHttpServer(const Endless& answer);
    ~CLoopbackHttpServer();

    // The address to put into a method's URL key.
    QString Url() const;
    // host:port, for a method's MailServer key.
    QString HostAndPort() const;
    QList<QByteArray> RequestLines() const;
    // Bytes sent to clients so far.
    qint64 BytesSent() const { return m_bytesSent; }

private:
    void Start();
    void Run();
    void Answer(int connection);
    void Stream(int connection);
    // False when the client hung up or the server stops.
    bool SendAll(int connection, const QByteArray& bytes);

    int m_listener = -1;
    quint16 m_port = 0;
    QByteArray m_body;
    int m_delayMs = 0;
    QByteArray m_endlessHead;
    qint64 m_endlessBytes = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_bytesSent{0};
    mutable std::mutex m_mutex;
    QList<QByteArray> m_requestLines;
    std::thread m_thread;
};
