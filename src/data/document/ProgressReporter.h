#pragma once

#include <QString>

// Progress of a long operation, 0 to 100, for a progress window.
class IProgressReporter
{
public:
    virtual ~IProgressReporter() = default;

    // An empty title is the plain loading window.
    virtual void Begin(const QString& title) = 0;
    virtual void SetPercent(int percent) = 0;
    virtual void End() = 0;
};
