#include "cli/ReportCommand.h"

#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/storage/DataLocation.h"
#include "reports/core/ReportCatalogue.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/SheetExport.h"
#include "reports/pdf/ReportPdf.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstring>

namespace {

// The words of the command without its options; false (with a message) on a bad option.
bool SplitWords(const QStringList& arguments, QStringList& words, int& perPage, QTextStream& err)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("--text") || word == QLatin1String("--pdf"))
            continue;
        if (word == QLatin1String("--per-page")) {
            bool ok = false;
            perPage = i + 1 < arguments.size() ? arguments.at(i + 1).toInt(&ok) : 0;
            if (!ok || perPage < 1) {
                err << "ravivaz-cli report: --per-page needs a number of 1 or more\n";
                return false;
            }
            ++i;
            continue;
        }
        words.append(word);
    }
    return true;
}

QString KindNames()
{
    QStringList names;
    for (const ReportCatalogue::Entry& entry : ReportCatalogue::Entries())
        names.append(QLatin1String(entry.name));
    return names.join(QStringLiteral(", "));
}

bool CheckFolder(const QString& folder, const char* command, QTextStream& err)
{
    if (QFileInfo(folder).isDir())
        return true;
    err << "ravivaz-cli " << command << ": \"" << folder << "\" is not a folder\n";
    return false;
}

}

int RunReport(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words;
    int perPage = 0;
    if (!SplitWords(options.Arguments(), words, perPage, err))
        return 2;
    if (words.size() != 3) {
        err << "ravivaz-cli report: give an event folder, a report kind and an output file\n";
        return 2;
    }
    const QString& folder = words.at(0);
    const ReportCatalogue::Entry* entry = ReportCatalogue::Find(words.at(1));
    if (!entry) {
        err << "ravivaz-cli report: unknown report \"" << words.at(1) << "\"; the kinds are: " << KindNames() << '\n';
        return 2;
    }
    if (!CheckFolder(folder, "report", err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& document = session.Document();
    CReportOptions reportOptions;
    reportOptions.Load(document.Location().GetFilePath(FC_SETTINGS));
    if (perPage > 0)
        reportOptions.perPage = perPage;
    const bool pdf = options.HasFlag(QStringLiteral("--pdf"));
    reportOptions.text = options.HasFlag(QStringLiteral("--text")) && !pdf;
    const QString& path = words.at(2);
    const bool written = pdf ? ReportPdf::Write(ReportCatalogue::Generate(document, entry->kind, reportOptions), path)
                             : ReportCatalogue::Write(document, entry->kind, reportOptions, path);
    if (!written) {
        err << "ravivaz-cli report: could not write \"" << path << "\"\n";
        return 2;
    }
    out << "wrote " << entry->name << " to " << path << '\n';
    return 0;
}

int RunExport(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    const QStringList& words = options.Arguments();
    if (words.size() != 3) {
        err << "ravivaz-cli export: give an event folder, guests or tables, and an output file\n";
        return 2;
    }
    const QString& what = words.at(1);
    if (what != QLatin1String("guests") && what != QLatin1String("tables")) {
        err << "ravivaz-cli export: unknown export \"" << what << "\"; give guests or tables\n";
        return 2;
    }
    if (!CheckFolder(words.at(0), "export", err))
        return 2;
    CFolderSession session(words.at(0), err);
    const SheetExport::Rows rows = what == QLatin1String("guests") ? SheetExport::Guests(session.Document())
                                                                    : SheetExport::Tables(session.Document());
    if (!SheetExport::Write(words.at(2), rows)) {
        err << "ravivaz-cli export: could not write \"" << words.at(2) << "\"\n";
        return 2;
    }
    out << "wrote the " << what << " export to " << words.at(2) << '\n';
    return 0;
}

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv)
{
    bool report = false, pdf = false;
    for (int i = 1; i < argc; ++i) {
        report = report || std::strcmp(argv[i], "report") == 0;
        pdf = pdf || std::strcmp(argv[i], "--pdf") == 0;
    }
    if (!report || !pdf)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
