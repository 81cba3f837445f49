#include "cli/ArriveCommand.h"

#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/storage/DataFolderLock.h"
#include "seating/core/ArrivalEdits.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Takes "--name VALUE" out of the words as a whole number; false, and a message, when it is
// missing or not a number.
bool TakeNumber(QStringList& words, const QString& name, int& value, QTextStream& err)
{
    const int at = int(words.indexOf(name));
    bool ok = false;
    if (at >= 0 && at + 1 < words.size())
        value = words[at + 1].toInt(&ok);
    if (!ok) {
        err << "ravivaz-cli arrive: " << name << " needs a whole number\n";
        return false;
    }
    words.remove(at, 2);
    return true;
}

}

int RunArrive(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    int code = 0;
    int count = 0;
    if (!TakeNumber(words, QStringLiteral("--code"), code, err) || !TakeNumber(words, QStringLiteral("--count"), count, err))
        return 2;
    QString folder;
    if (!CFolderSession::TakeFolder(words, "arrive", folder, err))
        return 2;
    if (!CFolderSession::IsEventFolder(folder)) {
        err << "ravivaz-cli arrive: \"" << folder << "\" holds no event\n";
        return 2;
    }
    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "arrive", err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& doc = session.Document();
    CGuest* guest = CArrivalEdits::FindByCode(doc, code);
    if (!guest) {
        err << "ravivaz-cli arrive: no guest has the code " << code << '\n';
        return 2;
    }
    CArrivalEdits edits(doc);
    if (!edits.CheckCount(count))
        return 2;
    const int table = guest->GetTableIndex();
    if (table <= 0 || edits.AskWhenTableFull(*guest, count) != MSG_RESULT_YES) {
        err << "ravivaz-cli arrive: " << guest->GetFullName() << " needs another table for " << count
            << " people; nothing was recorded. Tables with free seats:\n";
        for (const CArrivalEdits::Choice& choice : edits.TableChoices(*guest, count))
            err << choice.text << '\n';
        return 2;
    }
    if (!edits.Record(*guest, count, table)) {
        err << "ravivaz-cli arrive: the event in \"" << folder << "\" was not saved\n";
        return 1;
    }
    const CTable& seat = *doc.Tables()[table];
    out << "arrived\t" << code << '\t' << guest->GetFullName() << '\t' << count << '\t' << seat.GetHallNumber() << '\t'
        << seat.GetName() << '\n';
    return 0;
}
