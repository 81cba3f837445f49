#include "cli/ImportCommand.h"

#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/storage/DataFolderLock.h"
#include "guests/core/GuestImport.h"
#include "guests/core/UnansweredCsv.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The core's messages on the error stream, with the relation question answered as the command
// line says.
class CImportMessages : public CConsoleMessages
{
public:
    CImportMessages(QTextStream& err, bool answerYes)
        : CConsoleMessages(err)
        , m_answerYes(answerYes)
    {
    }
    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect& placement) override
    {
        const int answer = CConsoleMessages::MessageByText(text, caption, buttons, placement);
        return buttons == MSG_YES_NO ? (m_answerYes ? MSG_RESULT_YES : MSG_RESULT_NO) : answer;
    }

private:
    bool m_answerYes;
};

// Takes "--name VALUE" out of the words; false when the value is missing.
bool TakeValue(QStringList& words, const QString& name, QString& value, bool& given)
{
    const int at = int(words.indexOf(name));
    given = at >= 0;
    if (!given)
        return true;
    if (at + 1 >= words.size())
        return false;
    value = words.takeAt(at + 1);
    words.removeAt(at);
    return true;
}

// Exit code 2 with the reason on the error stream.
int Fail(QTextStream& err, const QString& text)
{
    err << "ravivaz-cli " << text << '\n';
    return 2;
}

}

int RunImport(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    QString group;
    QString answer = QStringLiteral("no");
    bool hasGroup = false;
    bool hasAnswer = false;
    const bool autoGroups = words.removeAll(QStringLiteral("--auto-groups")) > 0;
    if (!TakeValue(words, QStringLiteral("--group"), group, hasGroup) || (hasGroup && group.isEmpty()))
        return Fail(err, QStringLiteral("import: --group needs the name of a group"));
    if (!TakeValue(words, QStringLiteral("--relation-answer"), answer, hasAnswer) ||
        (answer != QLatin1String("yes") && answer != QLatin1String("no")))
        return Fail(err, QStringLiteral("import: --relation-answer takes yes or no"));
    if (hasGroup && autoGroups)
        return Fail(err, QStringLiteral("import: give either --group NAME or --auto-groups"));
    if (words.size() != 2)
        return Fail(err, QStringLiteral("import: give the event folder and the source (a spreadsheet or an event folder)"));
    const QString folder = words[0];
    const QString source = words[1];
    if (!QFileInfo(folder).isDir() || !CFolderSession::IsEventFolder(folder))
        return Fail(err, QStringLiteral("import: \"%1\" holds no event").arg(folder));
    if (!QFileInfo::exists(source))
        return Fail(err, QStringLiteral("import: \"%1\" does not exist").arg(source));

    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "import", err))
        return 2;
    CImportMessages messages(err, answer == QLatin1String("yes"));
    CFolderSession session(folder, err, &messages);
    CGuestImport import(session.Document());
    import.SetAutoGroups(!hasGroup);
    if (hasGroup)
        import.SetTargetGroup(group);
    const bool read = QFileInfo(source).isDir() ? import.ReadEventFolder(source) : import.ReadSheet(source);
    if (!read)
        return Fail(err, QStringLiteral("import: no guests could be read from \"%1\"").arg(source));

    const CGuestImport::Outcome outcome = import.AddAll();
    if (!outcome.added.isEmpty() && !session.Save("import", folder, err))
        return 2;
    for (const QString& name : outcome.added)
        out << "added\t" << name << '\n';
    for (const CGuestImport::Skipped& skipped : outcome.skipped)
        out << "skipped\t" << skipped.fullName << '\t' << skipped.reason << '\n';
    out << outcome.added.size() << " added, " << outcome.skipped.size() << " skipped\n";
    return 0;
}

int RunExportCsv(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    const QStringList& words = options.Arguments();
    if (words.size() != 2)
        return Fail(err, QStringLiteral("export-csv: give the event folder and the file to write"));
    const QString folder = words[0];
    if (!QFileInfo(folder).isDir() || !CFolderSession::IsEventFolder(folder))
        return Fail(err, QStringLiteral("export-csv: \"%1\" holds no event").arg(folder));
    CFolderSession session(folder, err);
    switch (CUnansweredCsv::Export(session.Document(), words[1])) {
    case CUnansweredCsv::Result::Written:
        out << "wrote " << QFileInfo(words[1]).absoluteFilePath() << '\n';
        return 0;
    case CUnansweredCsv::Result::NobodyLeft:
        out << "every guest has answered: no file written\n";
        return 0;
    case CUnansweredCsv::Result::WriteFailed:
        break;
    }
    return Fail(err, QStringLiteral("export-csv: \"%1\" could not be written").arg(words[1]));
}
