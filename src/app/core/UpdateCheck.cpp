#include "app/core/UpdateCheck.h"

#include "app/core/HttpGet.h"
#include "data/settings/StringTable.h"

#include <QThread>

#include <cctype>

namespace {

constexpr int kReadLimit = 10240;
const QString kVersionAgent = QStringLiteral("Marvessa");
const QString kApprovalsAgent = QStringLiteral("MarvessaApprovals");

// Sleeps in small steps so that a cancel ends the wait at once.
bool Wait(int ms, const std::atomic_bool& cancel)
{
    for (int waited = 0; waited < ms && !cancel.load(); waited += 100)
        QThread::msleep(qMin(100, ms - waited));
    return !cancel.load();
}

}

CUpdateCheck::Result CUpdateCheck::Run(const Inputs& inputs, const std::atomic_bool& cancel)
{
    Result result;
    if (!Wait(inputs.delayMs, cancel))
        return result;
    if (!CHttpGet::Fetch(inputs.reachabilityUrl, kVersionAgent, kReadLimit, &cancel).ok)
        return result;

    if (!inputs.approvalsUrl.isEmpty()) {
        const CHttpGet::Reply reply = CHttpGet::Fetch(inputs.approvalsUrl, kApprovalsAgent, kReadLimit, &cancel);
        if (reply.ok)
            result.approvals = ParseApprovals(reply.body);
    }

    if (inputs.versionUrl.isEmpty() || cancel.load())
        return result;
    const CHttpGet::Reply page = CHttpGet::Fetch(inputs.versionUrl, kVersionAgent, kReadLimit, &cancel);
    if (!page.ok || !ParseVersionPage(page.body, result.offeredVersion))
        return result;
    result.outcome = result.offeredVersion > kProgramVersion ? Outcome::NewerVersion : Outcome::NoNewerVersion;
    return result;
}

bool CUpdateCheck::ParseVersionPage(const QByteArray& page, double& version)
{
    const qsizetype marker = page.indexOf("VerVerVerVer");
    if (marker < 0 || !page.contains("CurCurCurCur"))
        return false;
    const QByteArray digits = page.mid(marker + 12, 4);
    // Read as atof does: the longest leading decimal number, 0 when there is none.
    qsizetype length = 0;
    bool point = false;
    while (length < digits.size() &&
           (std::isdigit(static_cast<unsigned char>(digits[length])) || (digits[length] == '.' && !point))) {
        point = point || digits[length] == '.';
        ++length;
    }
    bool ok = false;
    version = digits.left(length).toDouble(&ok);
    if (!ok)
        version = 0;
    return true;
}

QMap<QString, QString> CUpdateCheck::ParseApprovals(const QByteArray& body)
{
    QMap<QString, QString> approvals;
    qsizetype start = 0;
    while (start < body.size()) {
        const qsizetype end = body.indexOf("<br>", start);
        if (end < 0)
            break;
        const QByteArray entry = body.mid(start, end - start);
        const qsizetype equals = entry.indexOf('=', 1);
        if (equals > 0)
            approvals.insert(QString::fromLatin1(entry.left(equals)), QString::fromLatin1(entry.mid(equals + 1)));
        // "<br>" and the separator character after it.
        start = end + 5;
    }
    return approvals;
}

QString CUpdateCheck::ApprovalsUrl(const QString& site, const QString& eventCode)
{
    if (eventCode.isEmpty())
        return QString();
    QString base = site;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + StringTable::Fill(QStringLiteral("/approve-me/%s/approval.txt"), {eventCode});
}
