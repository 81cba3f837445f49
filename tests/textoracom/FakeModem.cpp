#include "FakeModem.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

CFakeModem::CFakeModem(Behaviour behaviour)
    : m_behaviour(behaviour)
{
    termios raw{};
    cfmakeraw(&raw);
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) == 0)
        m_device = QString::fromLocal8Bit(name);
    m_thread = std::thread([this] { Run(); });
}

CFakeModem::~CFakeModem()
{
    m_stop = true;
    m_thread.join();
    if (m_master >= 0)
        close(m_master);
    close(m_slave);
}

QList<QByteArray> CFakeModem::Received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

void CFakeModem::Run()
{
    QByteArray input;
    while (!m_stop && m_master >= 0) {
        pollfd entry{m_master, POLLIN, 0};
        if (poll(&entry, 1, 20) <= 0 || !(entry.revents & POLLIN))
            continue;
        char buffer[1024];
        const ssize_t got = read(m_master, buffer, sizeof buffer);
        if (got <= 0)
            continue;
        input.append(buffer, got);
        for (;;) {
            const qsizetype end = input.indexOf(m_inText ? '\x1a' : '\r');
            if (end < 0)
                break;
            const QByteArray part = input.left(end);
            input.remove(0, end + 1);
            Handle(part.trimmed());
            if (m_master < 0)
                return;
        }
    }
}

void CFakeModem::Handle(const QByteArray& command)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_received.append(m_inText ? "TEXT:" + command : command);
    }
    if (m_behaviour == Behaviour::Silent || command.isEmpty())
        return;
    if (m_inText) {
        m_inText = false;
        if (m_behaviour == Behaviour::RejectMessage) {
            Reply("\r\n+CMS ERROR: 500\r\n");
            return;
        }
        Reply("\r\n+CMGS: 7\r\n\r\nOK\r\n");
        if (m_behaviour == Behaviour::Unplug) {
            usleep(100000); // the answer reaches the other side before the line goes dead
            close(m_master);
            m_master = -1;
        } else if (m_behaviour == Behaviour::Deliver || m_behaviour == Behaviour::AskPin) {
            Report(6, 70);
            Report(7, 0);
        } else if (m_behaviour == Behaviour::DeliverError) {
            Report(7, 70);
        }
        return;
    }
    if (m_echo)
        Reply(command + "\r");
    const bool locked = m_behaviour == Behaviour::AskPin && !m_unlocked;
    if (command == "ATE0") {
        m_echo = false;
    } else if (command == "AT+CPIN?") {
        Reply(locked ? "\r\n+CPIN: SIM PIN\r\n" : "\r\n+CPIN: READY\r\n");
    } else if (command.startsWith("AT+CPIN=")) {
        m_unlocked = command == "AT+CPIN=\"1234\"";
        if (!m_unlocked) {
            Reply("\r\n+CME ERROR: 16\r\n");
            return;
        }
    } else if (locked) {
        Reply("\r\n+CME ERROR: 11\r\n");
        return;
    } else if (command.startsWith("AT+CMGS=")) {
        m_inText = true;
        Reply("\r\n> ");
        return;
    }
    Reply("\r\nOK\r\n");
}

void CFakeModem::Reply(const QByteArray& text)
{
    if (write(m_master, text.constData(), size_t(text.size())) < 0)
        return;
}

void CFakeModem::Report(int reference, int status)
{
    usleep(50000);
    Reply("\r\n+CDS: 6," + QByteArray::number(reference)
          + ",\"0541234567\",129,\"24/01/01,12:00:00+08\",\"24/01/01,12:00:05+08\"," + QByteArray::number(status)
          + "\r\n");
}
