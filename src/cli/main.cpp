#include "cli/BackupCommand.h"
#include "cli/CliOptions.h"
#include "cli/EventCommands.h"
#include "cli/EventManageCommand.h"
#include "cli/EventsCommand.h"
#include "cli/FtpCommand.h"
#include "cli/SmsSendCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ravivaz-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    CCliOptions options;
    if (!options.Parse(app.arguments().mid(1), err))
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
