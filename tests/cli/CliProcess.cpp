#include "CliProcess.h"

#include <QElapsedTimer>
#include <QProcess>

#include <sys/resource.h>

CliRun Cli(const QStringList& arguments, const CliLimits& limits)
{
    QProcess process;
    process.setProcessEnvironment(limits.environment);
    const qint64 memory = limits.memoryBytes;
    const rlim_t seconds = rlim_t(limits.timeoutMs / 1000 + 1);
    process.setChildProcessModifier([memory, seconds] {
        if (memory > 0) {
            const rlimit space{rlim_t(memory), rlim_t(memory)};
            setrlimit(RLIMIT_AS, &space);
        }
        const rlimit cpu{seconds, seconds};
        setrlimit(RLIMIT_CPU, &cpu);
    });
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(RAVIVAZ_CLI), arguments);
    if (!process.waitForFinished(limits.timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "did not finish", timer.elapsed()};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, process.readAllStandardOutput(), process.readAllStandardError(), timer.elapsed()};
}
