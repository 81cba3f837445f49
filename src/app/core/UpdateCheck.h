#pragma once

#include "approvals/core/SiteApprovals.h"

#include <QByteArray>
#include <QString>

#include <atomic>

// The check for a newer version of the program and for approvals waiting on the web site. It works
// only on the values it is given, so it can run on a thread of its own.
class CUpdateCheck
{
public:
    static constexpr double kProgramVersion = 2.55;

    enum class Outcome { NotConnected, NoNewerVersion, NewerVersion };

    // Everything the check needs, taken on the user-interface thread before it starts.
    struct Inputs
    {
        QString reachabilityUrl; // a public page that answers when the computer is online
        QString versionUrl;      // NewVersionUrl of General.ini
        QString approvalsSite;   // the approvals site; nothing is asked there without an event code
        QString eventFolder;     // the event the approvals are fetched for
        QString eventCode;
        int delayMs = 0;         // the automatic check waits a while after the event was loaded
    };

    struct Result
    {
        Outcome outcome = Outcome::NotConnected;
        double offeredVersion = 0;
        CSiteApprovals approvals;
    };

    static Result Run(const Inputs& inputs, const std::atomic_bool& cancel);

    // The version offered by a version page: the four characters after "VerVerVerVer", read as a
    // decimal number, when the page also holds "CurCurCurCur"; false for a page without them.
    static bool ParseVersionPage(const QByteArray& page, double& version);
};
