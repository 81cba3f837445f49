#pragma once

#include "support/LoopbackSite.h"

#include <QString>

// The SMS component registered for one test: a copy of the library in the test's home, with a
// settings file that sends by HTTP to a loopback web server standing in for the SMS service.
class CSmsComponent
{
public:
    // home is the test's fresh home folder (its configuration folder holds the registration).
    explicit CSmsComponent(const QString& home);

    bool IsReady() const { return m_ready; }
    // The service refuses messages to this number from now on.
    void Refuse(const QString& mobile);
    // The numbers and texts the service got, in order: "number|text".
    QStringList Messages();

private:
    CLoopbackSite m_site;
    bool m_ready = false;
};
