// A client process of its own for the tests: runs the sms-send command of ravivaz-cli on its
// arguments.
#include "cli/SmsSendCommand.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSmsSend(app.arguments().mid(1), out, err);
}
