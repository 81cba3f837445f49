#pragma once

#include <QByteArray>
#include <QString>

// Building blocks of the event data file: one element a line, each line ending in CR LF, texts in
// CDATA sections, UTF-8 without a byte-order mark.
namespace XmlText {

// "<tag><![CDATA[text]]></tag>\r\n"; a "]]>" inside the text splits the section so that the
// reader joins the pieces back.
void AppendText(QByteArray& buffer, const char* tag, const QString& text);
// "<tag>%d</tag>\r\n"
void AppendInt(QByteArray& buffer, const char* tag, int value);
// "<tag>%.1f</tag>\r\n"
void AppendDecimal(QByteArray& buffer, const char* tag, double value);
// "<tag>text</tag>\r\n" with the text as it is (dates).
void AppendRaw(QByteArray& buffer, const char* tag, const QByteArray& text);
// "<tag>\r\n" and "</tag>\r\n"
void AppendStart(QByteArray& buffer, const char* tag);
void AppendEnd(QByteArray& buffer, const char* tag);
// The CDATA form of a text alone: "<![CDATA[text]]>".
QByteArray Cdata(const QString& text);

}
