#include "cli/BackupCommand.h"
#include "cli/ArriveCommand.h"
#include "cli/ApprovalsCommand.h"
#include "cli/CliOptions.h"
#include "cli/EventCommands.h"
#include "cli/EventManageCommand.h"
#include "cli/EventsCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SketchCommand.h"
#include "cli/FtpCommand.h"
#include "cli/SmsSendCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    const auto app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ravivaz-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    CCliOptions options;
    if (!options.Parse(app->arguments().mid(1), err))
        return 2;

    const QString& command = options.Command();
    int result = 2;
    if (command == QLatin1String("events"))
        result = RunEvents(options, out, err);
    else if (command == QLatin1String("info"))
        result = RunInfo(options, out, err);
    else if (command == QLatin1String("meetings"))
        result = RunMeetings(options, out, err);
    else if (command == QLatin1String("finance"))
        result = RunFinance(options, out, err);
    else if (command == QLatin1String("resave"))
        result = RunResave(options, out, err);
    else if (command == QLatin1String("seat"))
        result = RunSeat(options, out, err);
    else if (command == QLatin1String("new-event"))
        result = RunNewEvent(options, out, err);
    else if (command == QLatin1String("checkpoint"))
        result = RunCheckpoint(options, out, err);
    else if (command == QLatin1String("checkpoints"))
        result = RunCheckpoints(options, out, err);
    else if (command == QLatin1String("restore"))
        result = RunRestore(options, out, err);
    else if (command == QLatin1String("export-event"))
        result = RunExportEvent(options, out, err);
    else if (command == QLatin1String("import"))
        result = RunImport(options, out, err);
    else if (command == QLatin1String("export-csv"))
        result = RunExportCsv(options, out, err);
    else if (command == QLatin1String("arrive"))
        result = RunArrive(options, out, err);
    else if (command == QLatin1String("approvals"))
        result = RunApprovals(options, out, err);
    else if (command == QLatin1String("report"))
        result = RunReport(options, out, err);
    else if (command == QLatin1String("export"))
        result = RunExport(options, out, err);
    else if (command == QLatin1String("sketch-export"))
        result = RunSketchExport(options, out, err);
    else if (command == QLatin1String("sketch-import"))
        result = RunSketchImport(options, out, err);
    else if (command == QLatin1String("ftp"))
        result = RunFtp(options, out, err);
    else if (command == QLatin1String("sms-send"))
        result = RunSmsSend(options.Arguments(), out, err);
    else
        err << "ravivaz-cli: unknown command \"" << command << "\"\n" << CCliOptions::Usage();
    out.flush();
    err.flush();
    return result;
}
