#include "app/core/UpdateCheck.h"

#include "approvals/core/ApprovalsFetch.h"
#include "approvals/core/HttpGet.h"

#include <QThread>

#include <cctype>

namespace {

constexpr int kReadLimit = 10240;
const QString kVersionAgent = QStringLiteral("Marvessa");

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

    result.approvals.eventFolder = inputs.eventFolder;
    result.approvals.eventCode = inputs.eventCode;
    if (!inputs.eventCode.isEmpty()) {
        const CApprovalsFetch::Result fetched =
            CApprovalsFetch::Fetch(inputs.approvalsSite, inputs.eventFolder, inputs.eventCode, &cancel);
        if (fetched.status == CApprovalsFetch::Status::Ok)
            result.approvals = fetched.approvals;
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
