#include "textoracom/ServerModule.h"

#include "textoracom/SyslogEventLog.h"

#include <QFileInfo>

#include <atomic>

#include <dlfcn.h>

namespace {

std::atomic<int> g_objects{0};
std::atomic<int> g_locks{0};

}

namespace ServerModule {

void ObjectCreated()
{
    ++g_objects;
}

void ObjectDestroyed()
{
    --g_objects;
}

void Lock(bool lock)
{
    lock ? ++g_locks : --g_locks;
}

bool CanUnload()
{
    return g_objects == 0 && g_locks == 0;
}

QString LibraryPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&LibraryPath), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

QString SettingsFile()
{
    return QFileInfo(LibraryPath()).absolutePath() + QStringLiteral("/TextoraCom.ini");
}

IEventLog& EventLog()
{
    static CSyslogEventLog log;
    return log;
}

}
