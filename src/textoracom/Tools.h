#pragma once

#include <QByteArray>
#include <QString>

// The settings-file reader of the component and the conversions to and from the ANSI code page
// (Windows-1255) in which the settings, the HTTP request and the mail body are written.
namespace Tools {

// A text value as the private-profile call returns it through a 1500-character buffer: at most
// 1499 characters survive. The file is read anew at each call.
QString ReadIniValue(const QString& section, const QString& key, const QString& def, const QString& file);
// An integer value: the default when the key is absent, else its leading decimal number (0 when
// there is none).
int ReadIniInt(const QString& section, const QString& key, int def, const QString& file);
// The leading decimal number of a text with an optional sign; 0 when there is none.
int TextToInt(const QString& text);

// Characters outside the code page become "?", as the platform's ANSI conversion writes them.
QByteArray AnsiBytes(const QString& text);
// The same for any character set the text codecs know; UTF-8 for one they do not.
QByteArray EncodeText(const QString& text, const QByteArray& charset);
QString AnsiText(const QByteArray& bytes);

}
