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

CLoopbackHttpServer::~CLoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    close(m_listener);
}

QString CLoopbackHttpServer::Url() const
{
    return QStringLiteral("http://127.0.0.1:%1/send").arg(m_port);
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
        if (connection >= 0) {
            Answer(connection);
            close(connection);
        }
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
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requestLines.append(request.left(request.indexOf("\r\n")));
    }
    const QDeadlineTimer delay(m_delayMs);
    while (!m_stop && !delay.hasExpired())
        usleep(10000);
    const QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body;
    for (qsizetype sent = 0; sent < answer.size() && !m_stop;) {
        const ssize_t put = send(connection, answer.constData() + sent, size_t(answer.size() - sent), MSG_NOSIGNAL);
        if (put <= 0)
            return;
        sent += put;
    }
}
