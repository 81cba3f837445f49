#pragma once

#include <QString>

// What sends one message to one number; the program sends through the SMS component.
class ISmsSender
{
public:
    enum class Outcome {
        Sent,
        Refused,   // the service did not take it; error holds its reason
        CallFailed // the call itself failed: nothing more can go out now
    };

    virtual ~ISmsSender() = default;

    virtual Outcome Send(const QString& user, const QString& password, const QString& text, const QString& mobile,
                         const QString& from, QString* error) = 0;
};
