#include "approvals/core/ApprovalsFetch.h"

#include "approvals/core/HttpGet.h"

#include <QRegularExpression>
#include <QUrl>

namespace {
const QString kAgent = QStringLiteral("MarvessaApprovals");
constexpr long kHttpOk = 200;
}

QString CApprovalsFetch::Url(const QString& site, const QString& eventCode)
{
    if (eventCode.isEmpty())
        return QString();
    QString base = site;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/approve-me/") + QString::fromLatin1(QUrl::toPercentEncoding(eventCode)) +
           QStringLiteral("/approval.txt");
}

CApprovalsFetch::Result CApprovalsFetch::Fetch(const QString& site, const QString& eventFolder,
                                               const QString& eventCode, const std::atomic_bool* cancel)
{
    Result result;
    result.approvals.eventFolder = eventFolder;
    result.approvals.eventCode = eventCode;
    if (eventCode.isEmpty()) {
        result.status = Status::NoEventCode;
        return result;
    }
    // One byte past the cap tells a reply that fits from one that was cut.
    const CHttpGet::Reply reply = CHttpGet::Fetch(Url(site, eventCode), kAgent, kMaxBytes + 1, cancel);
    result.httpStatus = reply.status;
    if (reply.status == 0)
        result.status = Status::NoReply;
    else if (reply.status != kHttpOk || !reply.ok)
        result.status = Status::NotOk;
    else if (reply.body.size() > kMaxBytes)
        result.status = Status::TooLarge;
    else {
        result.status = Status::Ok;
        result.approvals.answers = Parse(reply.body);
    }
    return result;
}

QMap<int, int> CApprovalsFetch::Parse(const QByteArray& body)
{
    static const QRegularExpression kEntry(QStringLiteral("^([0-9]{1,9})=([0-9]{1,9})$"));
    QMap<int, int> answers;
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf("<br>", start);
        if (end < 0)
            end = body.size();
        const QRegularExpressionMatch match = kEntry.match(QString::fromLatin1(body.mid(start, end - start)).trimmed());
        if (match.hasMatch())
            answers.insert(match.captured(1).toInt(), match.captured(2).toInt());
        start = end + 4;
    }
    return answers;
}

QString CApprovalsFetch::Describe(const Result& result)
{
    switch (result.status) {
    case Status::Ok:
        return QString();
    case Status::NoEventCode:
        return QStringLiteral("לארוע זה אין קוד ארוע, ולכן אין לו אישורי הגעה באתר.");
    case Status::NoReply:
        return QStringLiteral("לא התקבלה תשובה מאתר האישורים. בדקו את החיבור לאינטרנט.");
    case Status::NotOk:
        return QStringLiteral("אתר האישורים לא החזיר את אישורי הארוע (תשובה %1).").arg(result.httpStatus);
    case Status::TooLarge:
        return QStringLiteral("קובץ האישורים באתר גדול מ-1MB ולכן לא נקרא.");
    }
    return QString();
}
