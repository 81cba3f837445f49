#include "cli/ApprovalsCommand.h"

#include "cli/CliOptions.h"
#include "cli/FolderSession.h"

#include "approvals/core/ApprovalEdits.h"
#include "approvals/core/ApprovalsFetch.h"
#include "approvals/core/ApprovalsSite.h"
#include "data/records/Guest.h"
#include "data/storage/DataFolderLock.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int kUsageError = 2;

struct Request
{
    QString folder;
    QString site;
    bool apply = false;
};

std::optional<Request> ParseRequest(const QStringList& args, QTextStream& err)
{
    Request request;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--apply")) {
            request.apply = true;
        } else if (args[i] == QLatin1String("--site")) {
            if (++i >= args.size()) {
                err << "ravivaz-cli approvals: --site needs an address\n";
                return std::nullopt;
            }
            request.site = args[i];
        } else {
            words.append(args[i]);
        }
    }
    if (!CFolderSession::TakeFolder(words, "approvals", request.folder, err))
        return std::nullopt;
    return request;
}

}

int RunApprovals(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    const std::optional<Request> request = ParseRequest(options.Arguments(), err);
    if (!request)
        return kUsageError;
    if (!CFolderSession::IsEventFolder(request->folder)) {
        err << "ravivaz-cli approvals: \"" << request->folder << "\" holds no event\n";
        return kUsageError;
    }
    CDataFolderLock lock(QFileInfo(request->folder).absoluteDir().absolutePath());
    if (request->apply && !CFolderSession::TakeLock(lock, "approvals", err))
        return kUsageError;
    CFolderSession session(request->folder, err);
    CNewZelDoc& document = session.Document();
    const QString site = request->site.isEmpty() ? ApprovalsSite::Address(document.AppSettings()) : request->site;
    const CApprovalsFetch::Result fetched =
        CApprovalsFetch::Fetch(site, document.Location().CurrentEventFolder(),
                               document.Settings().Key(QStringLiteral("EventCode")));
    if (fetched.status != CApprovalsFetch::Status::Ok) {
        err << "ravivaz-cli approvals: " << CApprovalsFetch::Describe(fetched) << '\n';
        return 1;
    }

    CApprovalEdits edits(document);
    const QList<CApprovalEdits::Answer> answers = edits.Differing(fetched.approvals);
    for (const bool confirmed : {true, false}) {
        for (const CApprovalEdits::Answer& answer : answers) {
            if ((answer.count >= 1) != confirmed)
                continue;
            out << (confirmed ? "confirmed" : "cancelled") << '\t' << answer.guest->GetUniqueId() << '\t'
                << answer.guest->GetFullName() << '\t' << answer.count << '\n';
        }
    }
    if (!request->apply)
        return 0;
    const int changed = edits.Apply(answers);
    if (!session.Save("approvals", request->folder, err))
        return 1;
    out << "changed " << changed << '\n';
    return 0;
}
