#include "data/storage/XmlText.h"

#include "data/settings/NumberText.h"

#include <QStringEncoder>

#include <charconv>
#include <cstring>

namespace XmlText {

namespace {

void Open(QByteArray& buffer, const char* tag)
{
    buffer += '<';
    buffer += tag;
    buffer += '>';
}

void Close(QByteArray& buffer, const char* tag)
{
    buffer += "</";
    buffer += tag;
    buffer += ">\r\n";
}

// A save writes some hundred thousand elements: each is built in place at the end of the buffer,
// grown once for its longest possible form and cut back to what was written.
class InPlace
{
public:
    InPlace(QByteArray& buffer, qsizetype room)
        : m_buffer(buffer)
    {
        const qsizetype start = buffer.size();
        buffer.resize(start + room);
        m_out = buffer.data() + start;
    }
    ~InPlace() { m_buffer.truncate(m_out - m_buffer.constData()); }
    InPlace(const InPlace&) = delete;
    InPlace& operator=(const InPlace&) = delete;

    void Put(const char* bytes, size_t length)
    {
        std::memcpy(m_out, bytes, length);
        m_out += length;
    }
    void Utf8(const QString& text)
    {
        QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
        m_out = encoder.appendToBuffer(m_out, text);
    }
    void Number(int value) { m_out = std::to_chars(m_out, m_out + kIntDigits, value).ptr; }

    static constexpr qsizetype kIntDigits = 11;

private:
    QByteArray& m_buffer;
    char* m_out;
};

bool IsXmlChar(char16_t c)
{
    return c >= 0x20 ? c < 0xFFFE : c == u'\t' || c == u'\n' || c == u'\r';
}

// The position of the first character from "from" on that XML 1.0 cannot carry: a control
// character other than tab and line ends, U+FFFE, U+FFFF or a surrogate outside a pair.
qsizetype NextUnsafe(const QString& text, qsizetype from)
{
    const qsizetype size = text.size();
    for (qsizetype i = from; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        else if (!IsXmlChar(c) || QChar::isSurrogate(c))
            return i;
    }
    return size;
}

// The text without the characters the data file cannot hold: written, they would make the file
// unreadable from that point on.
QString XmlSafe(const QString& text)
{
    qsizetype unsafe = NextUnsafe(text, 0);
    if (unsafe == text.size())
        return text;
    QString kept;
    qsizetype from = 0;
    while (unsafe < text.size()) {
        kept += QStringView(text).sliced(from, unsafe - from);
        from = unsafe + 1;
        unsafe = NextUnsafe(text, from);
    }
    kept += QStringView(text).sliced(from);
    return kept;
}

QByteArray EscapedUtf8(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    utf8.replace("]]>", "]]]]><![CDATA[>");
    return utf8;
}

bool NeedsSplit(const QString& text)
{
    return text.contains(u']') && text.contains(QLatin1String("]]>"));
}

// "<tag>", what content puts (at most room bytes), "</tag>\r\n".
template <typename Content>
void AppendElement(QByteArray& buffer, const char* tag, qsizetype room, Content content)
{
    const size_t tagLength = std::strlen(tag);
    InPlace out(buffer, qsizetype(2 * tagLength) + 7 + room);
    out.Put("<", 1);
    out.Put(tag, tagLength);
    out.Put(">", 1);
    content(out);
    out.Put("</", 2);
    out.Put(tag, tagLength);
    out.Put(">\r\n", 3);
}

}

QByteArray Cdata(const QString& text)
{
    return "<![CDATA[" + EscapedUtf8(XmlSafe(text)) + "]]>";
}

void AppendText(QByteArray& buffer, const char* tag, const QString& original)
{
    const QString text = XmlSafe(original);
    if (NeedsSplit(text)) {
        Open(buffer, tag);
        buffer += Cdata(text);
        Close(buffer, tag);
        return;
    }
    AppendElement(buffer, tag, 12 + 3 * text.size(), [&text](InPlace& out) {
        out.Put("<![CDATA[", 9);
        out.Utf8(text);
        out.Put("]]>", 3);
    });
}

void AppendInt(QByteArray& buffer, const char* tag, int value)
{
    AppendElement(buffer, tag, InPlace::kIntDigits, [value](InPlace& out) { out.Number(value); });
}

void AppendDecimal(QByteArray& buffer, const char* tag, double value)
{
    Open(buffer, tag);
    buffer += NumberText::Fixed(value, 1);
    Close(buffer, tag);
}

void AppendRaw(QByteArray& buffer, const char* tag, const QByteArray& text)
{
    Open(buffer, tag);
    buffer += text;
    Close(buffer, tag);
}

void AppendStart(QByteArray& buffer, const char* tag)
{
    Open(buffer, tag);
    buffer += "\r\n";
}

void AppendEnd(QByteArray& buffer, const char* tag)
{
    Close(buffer, tag);
}

}
