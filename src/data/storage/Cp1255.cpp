#include "data/storage/Cp1255.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Cp1255 {

QString Decode(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1255");
    return decoder.decode(bytes);
}

QByteArray Encode(const QString& text)
{
    QStringEncoder encoder("windows-1255");
    QByteArray bytes = encoder.encode(text);
    // The codec marks characters outside the code page with SUB; the platform's ANSI calls write "?".
    if (encoder.hasError())
        bytes.replace('\x1a', '?');
    return bytes;
}

}
