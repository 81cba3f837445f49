#include "data/XmlText.h"

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

}

QByteArray Cdata(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    utf8.replace("]]>", "]]]]><![CDATA[>");
    return "<![CDATA[" + utf8 + "]]>";
}

void AppendText(QByteArray& buffer, const char* tag, const QString& text)
{
    Open(buffer, tag);
    buffer += Cdata(text);
    Close(buffer, tag);
}

void AppendInt(QByteArray& buffer, const char* tag, int value)
{
    Open(buffer, tag);
    buffer += QByteArray::number(value);
    Close(buffer, tag);
}

void AppendDecimal(QByteArray& buffer, const char* tag, double value)
{
    Open(buffer, tag);
    buffer += QByteArray::number(value, 'f', 1);
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
