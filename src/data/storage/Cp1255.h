#pragma once

#include <QByteArray>
#include <QString>

// Conversions between text in memory and the Windows Hebrew code page of the INI files.
namespace Cp1255 {
QString Decode(const QByteArray& bytes);
QByteArray Encode(const QString& text);
}
