#pragma once

#include <QString>

// Where the component writes its diagnostic entries.
class IEventLog
{
public:
    // Information is the type of entries written without an explicit one.
    enum class Type { Error, Information };

    virtual void Write(const QString& text, Type type) = 0;

protected:
    ~IEventLog() = default;
};
