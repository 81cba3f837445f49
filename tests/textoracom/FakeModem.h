#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// A GSM modem on a pseudo-terminal, answering AT commands from a thread of its own. It echoes
// commands until ATE0, as a modem fresh from power-up does, and gives each accepted message the
// reference 7.
class CFakeModem
{
public:
    enum class Behaviour {
        Deliver,        // a status report "delivered", after one for another message
        DeliverError,   // a status report "failed"
        NoReport,       // accepts the message, never reports on it
        RejectMessage,  // answers the message text with +CMS ERROR
        Silent,         // never answers anything
        AskPin,         // the SIM card wants the PIN 1234 before anything works; then delivers
        Unplug,         // goes away right after accepting the message
    };

    explicit CFakeModem(Behaviour behaviour);
    ~CFakeModem();

    // The terminal's device, for the [SerialPorts] key.
    QString Device() const { return m_device; }
    // Every command line received, and the message text as "TEXT:" followed by it.
    QList<QByteArray> Received() const;

private:
    void Run();
    void Handle(const QByteArray& command);
    void Reply(const QByteArray& text);
    void Report(int reference, int status);

    Behaviour m_behaviour;
    int m_master = -1;
    int m_slave = -1;
    QString m_device;
    bool m_echo = true;
    bool m_unlocked = false;
    bool m_inText = false;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QList<QByteArray> m_received;
    std::thread m_thread;
};
