#include "cli/FtpCommand.h"

#include "backup/core/EventSharing.h"
#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/storage/DataFolderLock.h"

#include <QDir>
#include <QFileInfo>

namespace {

void PrintVersions(const char* when, CNewZelDoc& document, CEventSharing& sharing, QTextStream& out)
{
    const std::optional<int> server = sharing.ServerVersion();
    out << when << "\tlocal " << document.Checkpoint().GetIndex() << "\tserver "
        << (server ? QString::number(*server) : QStringLiteral("none")) << '\n';
    out.flush();
}

}

int RunFtp(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    int answer = MSG_RESULT_NO;
    const qsizetype answerAt = words.indexOf(QStringLiteral("--answer"));
    if (answerAt >= 0) {
        const QString given = words.value(answerAt + 1);
        if (given != QLatin1String("yes") && given != QLatin1String("no")) {
            err << "ravivaz-cli ftp: --answer takes yes or no\n";
            return 2;
        }
        answer = given == QLatin1String("yes") ? MSG_RESULT_YES : MSG_RESULT_NO;
        words.remove(answerAt, 2);
    }
    if (words.size() != 2 || (words[0] != QLatin1String("upload") && words[0] != QLatin1String("download"))) {
        err << "ravivaz-cli ftp: give upload or download and an event folder\n";
        return 2;
    }
    const bool upload = words[0] == QLatin1String("upload");
    const QString& folder = words[1];
    if (!CFolderSession::IsEventFolder(folder)) {
        err << "ravivaz-cli ftp: \"" << folder << "\" holds no event\n";
        return 2;
    }
    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "ftp", err))
        return 2;
    CFolderSession session(folder, err);
    session.Messages().AnswerQuestions(answer, answer);
    CNewZelDoc& document = session.Document();
    CEventSharing sharing(document);
    PrintVersions("before", document, sharing, out);
    const CEventSharing::Result result = upload ? sharing.UploadEvent() : sharing.DownloadEvent(false);
    PrintVersions("after", document, sharing, out);
    if (result == CEventSharing::Result::Done)
        return 0;
    err << "ravivaz-cli ftp: the " << words[0] << " did not complete; \"" << folder << "\" and the server were left as they were\n";
    return 1;
}
