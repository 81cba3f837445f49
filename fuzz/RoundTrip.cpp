#include "RoundTrip.h"

#include "data/records/EventRecords.h"
#include "data/storage/EventFile.h"
#include "data/storage/XmlParser.h"

#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

// The written file with every value as the reader keeps it: texts trimmed, and a status never set
// (3) as unknown (0).
QString AsRead(const QByteArray& written)
{
    static const QRegularExpression text(QStringLiteral("<!\\[CDATA\\[(.*?)\\]\\]></"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString file = QString::fromUtf8(written);
    QString result;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = text.globalMatch(file); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(file).sliced(from, match.capturedStart(1) - from);
        result += match.capturedView(1).trimmed();
        from = match.capturedEnd(1);
    }
    result += QStringView(file).sliced(from);
    return result.replace(QStringLiteral("<ApproveStat>3</"), QStringLiteral("<ApproveStat>0</"));
}

}

void CheckRoundTrip(const CEventRecords& records)
{
    const QByteArray written = CEventFile::Build(records);
    CEventRecords again;
    CXmlParser parser(again, nullptr, nullptr);
    if (parser.ParseData(written) != 0) {
        std::fprintf(stderr, "the written data file does not read back:\n%s\n", written.constData());
        std::abort();
    }
    const QByteArray rewritten = CEventFile::Build(again);
    if (AsRead(written) != AsRead(rewritten)) {
        std::fprintf(stderr, "the records changed on their way through the data file:\n%s\n---\n%s\n",
                     written.constData(), rewritten.constData());
        std::abort();
    }
}
