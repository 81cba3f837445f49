#include "LoopbackHttpServer.h"

#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool Readable(int fd, int ms)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, ms) > 0;
}

}

CLoopbackHttpServer::CLoopbackHttpServer(const QByteArray& body, int delayMs)
    : m_body(body)
    , m_delayMs(delayMs)
{
    Start();
}

CLoopbackHttpServer::CLoopbackHttpServer(const Endless& answer)
    : m_body(answer.body)
    , m_endlessHead(answer.head)
    , m_endlessBytes(answer.bytes)
{
    Start();
}

CLoopbackHttpServer::~CLoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    close(m_listener);
}

void CLoopbackHttpServer::Start()
{
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
    listen(m_listener, 8);
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

QString CLoopbackHttpServer::Url() const
{
    return QStringLiteral("http://") + HostAndPort() + QStringLiteral("/send");
}

QString CLoopbackHttpServer::HostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QList<QByteArray> CLoopbackHttpServer::RequestLines() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requestLines;
}

void CLoopbackHttpServer::Run()
{
    while (!m_stop) {
        if (!Readable(m_listener, 20))
            continue;
        const int connection = accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            continue;
        if (m_endlessBytes > 0)
            Stream(connection);
        else
            Answer(connection);
        close(connection);
    }
}

void CLoopbackHttpServer::Answer(int connection)
{
    QByteArray request;
    char buffer[4096];
    while (!m_stop && !request.contains("\r\n\r\n")) {
        if (!Readable(connection, 20))
            continue;
        const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        request.append(buffer, got);
    }
    const QByteArray requestLine = request.left(request.indexOf("\r\n"));
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requestLines.append(requestLine);
    }
    const QDeadlineTimer delay(m_delayMs);
    while (!m_stop && !delay.hasExpired())
        usleep(10000);
    const QByteArray body = QByteArray(m_body).replace("{request}", requestLine);
    SendAll(connection, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

void CLoopbackHttpServer::Stream(int connection)
{
    if (!SendAll(connection, m_endlessHead))
        return;
    while (m_bytesSent < m_endlessBytes) {
        const qint64 left = m_endlessBytes - m_bytesSent;
        if (!SendAll(connection, m_body.left(qsizetype(qMin(qint64(m_body.size()), left)))))
            return;
    }
}

bool CLoopbackHttpServer::SendAll(int connection, const QByteArray& bytes)
{
    char discarded[4096];
    for (qsizetype sent = 0; sent < bytes.size();) {
        if (m_stop)
            return false;
        pollfd entry{connection, POLLIN | POLLOUT, 0};
        if (poll(&entry, 1, 20) <= 0)
            continue;
        // What the client says meanwhile is read and dropped; nothing more means it hung up.
        if ((entry.revents & POLLIN) && recv(connection, discarded, sizeof discarded, 0) <= 0)
            return false;
        if (entry.revents & (POLLERR | POLLHUP))
            return false;
        if (!(entry.revents & POLLOUT))
            continue;
        const ssize_t put = send(connection, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (put <= 0)
            return false;
        sent += put;
        m_bytesSent += put;
    }
    return true;
}
