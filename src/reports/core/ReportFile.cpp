#include "reports/core/ReportFile.h"

#include "data/storage/AtomicFile.h"

#include <QtEndian>

namespace ReportFile {

QByteArray Encode(const QString& text)
{
    QByteArray bytes;
    bytes.resize(2 + text.size() * 2);
    bytes[0] = char(0xFF);
    bytes[1] = char(0xFE);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + 2);
    return bytes;
}

bool Write(const QString& path, const QString& text)
{
    return AtomicFile::Write(path, Encode(text));
}

}
