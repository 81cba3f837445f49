#pragma once

#include "textoracom/EventLog.h"

// The system log: error entries at LOG_ERR, the others at LOG_INFO. The identity of the entries
// stays the host program's: openlog() would change it for the whole process.
class CSyslogEventLog final : public IEventLog
{
public:
    void Write(const QString& text, Type type) override;
};
