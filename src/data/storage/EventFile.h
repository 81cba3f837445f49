#pragma once

#include <QByteArray>
#include <QString>

class CEventRecords;

// The writer of the event data file: the declaration, the WeddingData element and every record
// collection in its fixed order, each line ending in CR LF, UTF-8 without a byte-order mark.
class CEventFile
{
public:
    static QByteArray Build(const CEventRecords& records);
    // Writes the file whole or not at all: a file that cannot be written leaves the old one as it was.
    static bool Write(const QString& path, const CEventRecords& records);
};
