#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>

// A GSM modem on a serial port, driven with AT commands in text mode. A sent message asks for a
// status report; the report of that message raises SmsDelivered or SmsDeliverError.
class CMc35Terminal : public QObject
{
    Q_OBJECT

public:
    // How long each command may take to answer, in milliseconds.
    explicit CMc35Terminal(int commandTimeoutMs);

    // Opens the device and prepares the modem; pin unlocks a SIM card that asks for one.
    bool Initialize(const QString& device, const QString& pin);
    bool SendSms(const QString& number, const QString& text);
    // Waits up to ms for what the modem reports, and returns as soon as a status report of the
    // sent message has raised its notification. False when the port broke down.
    bool ProcessEvents(int ms);
    int PortError() const { return int(m_port.error()); }
    QString PortErrorText() const { return m_port.errorString(); }

signals:
    void SmsDelivered();
    void SmsDeliverError();

private:
    enum class Answer { Ok, Error, Prompt, Timeout };

    bool Command(const QByteArray& command, QByteArray* information = nullptr);
    Answer Await(const QDeadlineTimer& deadline, QByteArray* information, bool prompt);
    bool Fill(const QDeadlineTimer& deadline);
    bool TakeLine(QByteArray* line);
    // True when the line was a status report.
    bool HandleReport(const QByteArray& line);

    QSerialPort m_port;
    QByteArray m_input;
    int m_timeoutMs;
    int m_reference = -1; // of the last message the modem accepted
    bool m_reported = false;
};
