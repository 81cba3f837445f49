#pragma once

#include <QByteArray>
#include <QString>

// Conversions between text in memory and the Windows Hebrew code page of the INI files. Bytes the
// code page leaves undefined (0xCA, 0xD9 to 0xDF, 0xFB, 0xFC, 0xFF) decode to private-use
// characters and encode back to the same bytes, so a file read and written keeps every byte.
namespace Cp1255 {
QString Decode(const QByteArray& bytes);
// Characters outside the code page become "?", as the platform's ANSI calls write them.
QByteArray Encode(const QString& text);
// The private-use character that stands for an undefined byte.
constexpr char16_t kUndefinedBase = 0xF700;
}
