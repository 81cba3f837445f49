#include "textoracom/Mc35Terminal.h"

#include <QList>
#include <QRegularExpression>

namespace {

constexpr char kCtrlZ = '\x1a';
constexpr int kShortestCommandTimeoutMs = 1000;

// The fields after a result line's "+XXX:" prefix; quoted fields keep their commas.
QList<QByteArray> Fields(const QByteArray& text)
{
    QList<QByteArray> fields(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.append(QByteArray());
        else
            fields.back() += c;
    }
    for (QByteArray& field : fields)
        field = field.trimmed();
    return fields;
}

// Text that reads the same in the GSM default alphabet as in ASCII, with no character that the
// modem would take for the end of the command or of the message.
bool IsGsmText(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 32 || u > 126 || QByteArrayView("@$_[]{}\\^~|`\"").contains(char(u)))
            return false;
    }
    return true;
}

QByteArray Ucs2Hex(const QString& text)
{
    QByteArray hex;
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex;
}

}

CMc35Terminal::CMc35Terminal(int commandTimeoutMs)
    : m_timeoutMs(qMax(commandTimeoutMs, kShortestCommandTimeoutMs))
{
}

bool CMc35Terminal::Initialize(const QString& device, const QString& pin)
{
    if (device.isEmpty())
        return false;
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return false;
    m_port.setBaudRate(QSerialPort::Baud115200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.clear();

    QByteArray simState;
    bool ready = Command("ATE0") && Command("AT+CPIN?", &simState);
    if (ready && !simState.contains("READY")) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{4,8}$"));
        ready = simState.contains("SIM PIN") && digits.match(pin).hasMatch()
            && Command("AT+CPIN=\"" + pin.toLatin1() + '"');
    }
    // Text mode; status reports come unsolicited as "+CDS:" lines.
    ready = ready && Command("AT+CMGF=1") && Command("AT+CNMI=2,1,0,1,0");
    if (!ready)
        m_port.close();
    return ready;
}

bool CMc35Terminal::SendSms(const QString& number, const QString& text)
{
    static const QRegularExpression phoneNumber(QStringLiteral("^\\+?[0-9]+$"));
    QString destination = number;
    destination.remove(u'-').remove(u' ');
    if (!m_port.isOpen() || !phoneNumber.match(destination).hasMatch())
        return false;
    const bool gsm = IsGsmText(text);
    // 49: a message that asks for a status report, with a relative validity (167: one day);
    // data coding 0 is the GSM alphabet, 8 is UCS2.
    if (!Command(gsm ? "AT+CSCS=\"GSM\"" : "AT+CSCS=\"UCS2\"")
        || !Command(gsm ? "AT+CSMP=49,167,0,0" : "AT+CSMP=49,167,0,8"))
        return false;
    const QByteArray address = gsm ? destination.toLatin1() : Ucs2Hex(destination);
    m_port.write("AT+CMGS=\"" + address + "\"\r");
    if (Await(QDeadlineTimer(m_timeoutMs), nullptr, true) != Answer::Prompt)
        return false;
    m_port.write((gsm ? text.toLatin1() : Ucs2Hex(text)) + kCtrlZ);
    QByteArray information;
    if (Await(QDeadlineTimer(m_timeoutMs), &information, false) != Answer::Ok)
        return false;
    const qsizetype at = information.indexOf("+CMGS:");
    bool ok = false;
    const int reference = at < 0 ? -1 : Fields(information.mid(at + 6).split('\n').first()).first().toInt(&ok);
    if (!ok)
        return false;
    m_reference = reference;
    m_reported = false;
    return true;
}

bool CMc35Terminal::ProcessEvents(int ms)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        QByteArray line;
        while (TakeLine(&line))
            HandleReport(line);
        if (m_reported)
            return true;
        if (!Fill(deadline))
            return m_port.error() == QSerialPort::NoError || m_port.error() == QSerialPort::TimeoutError;
    }
}

bool CMc35Terminal::Command(const QByteArray& command, QByteArray* information)
{
    m_port.write(command + '\r');
    return Await(QDeadlineTimer(m_timeoutMs), information, false) == Answer::Ok;
}

CMc35Terminal::Answer CMc35Terminal::Await(const QDeadlineTimer& deadline, QByteArray* information, bool prompt)
{
    for (;;) {
        QByteArray line;
        while (TakeLine(&line)) {
            if (HandleReport(line) || line.startsWith("AT")) // reports, and the echo of a command
                continue;
            if (line == "OK")
                return Answer::Ok;
            if (line == "ERROR" || line.startsWith("+CME ERROR") || line.startsWith("+CMS ERROR"))
                return Answer::Error;
            if (information)
                *information += line + '\n';
        }
        // The prompt for the message text ends no line.
        if (prompt && m_input.trimmed() == ">") {
            m_input.clear();
            return Answer::Prompt;
        }
        if (!Fill(deadline))
            return Answer::Timeout;
    }
}

bool CMc35Terminal::Fill(const QDeadlineTimer& deadline)
{
    if (m_port.bytesAvailable() == 0
        && (deadline.hasExpired() || !m_port.waitForReadyRead(int(deadline.remainingTime()))))
        return false;
    m_input += m_port.readAll();
    return true;
}

bool CMc35Terminal::TakeLine(QByteArray* line)
{
    for (;;) {
        qsizetype end = 0;
        while (end < m_input.size() && m_input[end] != '\r' && m_input[end] != '\n')
            ++end;
        if (end == m_input.size())
            return false;
        *line = m_input.left(end).trimmed();
        m_input.remove(0, end + 1);
        if (!line->isEmpty())
            return true;
    }
}

bool CMc35Terminal::HandleReport(const QByteArray& line)
{
    if (!line.startsWith("+CDS:"))
        return false;
    // Text mode: +CDS: <fo>,<mr>,[<ra>],[<tora>],<scts>,<dt>,<st>
    const QList<QByteArray> fields = Fields(line.mid(5));
    bool ok = false;
    const int status = fields.back().toInt(&ok);
    if (fields.size() < 3 || !ok || fields[1].toInt() != m_reference || m_reference < 0)
        return true;
    // 0-31 done, 32-63 the centre still tries, 64 and above it has given up.
    if (status < 32) {
        m_reported = true;
        emit SmsDelivered();
    } else if (status >= 64) {
        m_reported = true;
        emit SmsDeliverError();
    }
    return true;
}
