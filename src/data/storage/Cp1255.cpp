#include "data/storage/Cp1255.h"

#include <QStringDecoder>

#include <array>
#include <memory>

namespace Cp1255 {

namespace {

// The code page maps every byte to one character of the basic plane, so both directions are
// lookups in tables built once from the platform's codec.
struct Tables
{
    std::array<char16_t, 256> decode;
    std::unique_ptr<char[]> encode = std::make_unique<char[]>(0x10000); // 0: not in the code page

    Tables()
    {
        for (int byte = 0; byte < 256; ++byte) {
            QStringDecoder decoder("windows-1255");
            const char c = char(byte);
            const QString text = decoder.decode(QByteArrayView(&c, 1));
            const bool defined = text.size() == 1 && text[0] != QChar::ReplacementCharacter;
            decode[byte] = defined ? text[0].unicode() : char16_t(kUndefinedBase + byte);
        }
        for (int byte = 255; byte > 0; --byte)
            encode[decode[byte]] = char(byte);
    }
};

const Tables& Table()
{
    static const Tables tables;
    return tables;
}

}

QString Decode(const QByteArray& bytes)
{
    const Tables& tables = Table();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = tables.decode[uchar(byte)];
    return text;
}

QByteArray Encode(const QString& text)
{
    const Tables& tables = Table();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == 0) {
            bytes += '\0';
            continue;
        }
        // A character beyond the basic plane is one character, written as one "?".
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        const char byte = tables.encode[c];
        bytes += byte ? byte : '?';
    }
    return bytes;
}

}
