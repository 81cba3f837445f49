#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// One run of ravivaz-cli as a child process.
struct CliRun
{
    // The exit code, or -1 when the program did not finish in time or crashed.
    int exitCode;
    QByteArray out;
    QByteArray err;
    qint64 milliseconds;
};

struct CliLimits
{
    int timeoutMs = 60000;
    // The child's address space, in bytes; 0 leaves it unlimited.
    qint64 memoryBytes = 0;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

CliRun Cli(const QStringList& arguments, const CliLimits& limits = {});
