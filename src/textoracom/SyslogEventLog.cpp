#include "textoracom/SyslogEventLog.h"

#include <syslog.h>

void CSyslogEventLog::Write(const QString& text, Type type)
{
    syslog(LOG_USER | (type == Type::Error ? LOG_ERR : LOG_INFO), "%s", text.toUtf8().constData());
}
