#include "cli/BackupCommand.h"

#include "backup/core/CheckpointRestore.h"
#include "backup/core/CheckpointStore.h"
#include "backup/core/EventExport.h"
#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/storage/DataFolderLock.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ParentOf(const QString& folder)
{
    return QFileInfo(folder).absoluteDir().absolutePath();
}

bool TakeEventFolder(const QString& folder, const char* command, QTextStream& err)
{
    if (CFolderSession::IsEventFolder(folder))
        return true;
    err << "ravivaz-cli " << command << ": \"" << folder << "\" holds no event\n";
    return false;
}

}

int RunCheckpoint(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    const QStringList& words = options.Arguments();
    if (words.size() != 1) {
        err << "ravivaz-cli checkpoint: give one event folder\n";
        return 2;
    }
    if (!TakeEventFolder(words.front(), "checkpoint", err))
        return 2;
    const CDataLocation location(ParentOf(words.front()));
    const QString taken = CCheckpointStore(location.GetBackupFolder()).Take(words.front());
    if (taken.isEmpty()) {
        err << "ravivaz-cli checkpoint: cannot make a checkpoint in \"" << location.GetBackupFolder() << "\"\n";
        return 2;
    }
    out << QFileInfo(taken).fileName() << '\n';
    return 0;
}

int RunCheckpoints(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    if (!options.Arguments().isEmpty()) {
        err << "ravivaz-cli checkpoints: takes no arguments\n";
        return 2;
    }
    const CDataLocation location = options.MakeLocation();
    for (const CCheckpointStore::Entry& entry : CCheckpointStore(location.GetBackupFolder()).List())
        out << entry.guestsCount << '\t' << entry.name << '\t' << entry.eventName << '\n';
    return 0;
}

int RunRestore(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    const QStringList& words = options.Arguments();
    if (words.size() != 2) {
        err << "ravivaz-cli restore: give an event folder and the name of a checkpoint\n";
        return 2;
    }
    const QString& folder = words[0];
    const QString& name = words[1];
    if (!QFileInfo(folder).isDir()) {
        err << "ravivaz-cli restore: \"" << folder << "\" is not a folder\n";
        return 2;
    }
    const CDataLocation location(ParentOf(folder));
    if (!QFileInfo(CCheckpointStore(location.GetBackupFolder()).Folder(name)).isDir() || name.contains(QLatin1Char('/'))) {
        err << "ravivaz-cli restore: no checkpoint \"" << name << "\" in \"" << location.GetBackupFolder() << "\"\n";
        return 2;
    }
    CDataFolderLock lock(ParentOf(folder));
    if (!CFolderSession::TakeLock(lock, "restore", err))
        return 2;
    CFolderSession session(folder, err);
    // Naming the checkpoint is the go-ahead; the event keeps its own sharing settings.
    session.Messages().AnswerQuestions(MSG_RESULT_YES, MSG_RESULT_NO);
    if (CCheckpointRestore(session.Document()).Restore(name) != CCheckpointRestore::Result::Restored) {
        err << "ravivaz-cli restore: \"" << folder << "\" was left as it was\n";
        return 2;
    }
    out << "restored " << name << " into " << QDir(folder).absolutePath() << '\n';
    return 0;
}

int RunExportEvent(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    const bool replace = words.removeAll(QStringLiteral("--replace")) > 0;
    if (words.size() != 2) {
        err << "ravivaz-cli export-event: give an event folder and a target folder\n";
        return 2;
    }
    const QString& folder = words[0];
    const QString& target = words[1];
    if (!TakeEventFolder(folder, "export-event", err))
        return 2;
    CDataFolderLock lock(ParentOf(folder));
    if (!CFolderSession::TakeLock(lock, "export-event", err))
        return 2;
    CFolderSession session(folder, err);
    session.Messages().AnswerQuestions(replace ? MSG_RESULT_YES : MSG_RESULT_NO, MSG_RESULT_CANCEL);
    switch (CEventExport(session.Document()).Export(target)) {
    case CEventExport::Result::Exported:
        out << "exported " << QDir(folder).absolutePath() << " to " << QDir(target).absolutePath() << '\n';
        return 0;
    case CEventExport::Result::Declined:
        err << "ravivaz-cli export-event: \"" << target << "\" already holds an event; give --replace to replace it\n";
        return 2;
    default:
        err << "ravivaz-cli export-event: the event was not exported to \"" << target << "\"\n";
        return 2;
    }
}
