#pragma once

#include <QByteArray>
#include <QMap>
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
        QString approvalsUrl;    // the approvals file of the event, empty when the event takes no part
        int delayMs = 0;         // the automatic check waits a while after the event was loaded
    };

    struct Result
    {
        Outcome outcome = Outcome::NotConnected;
        double offeredVersion = 0;
        QMap<QString, QString> approvals; // guest code -> number of people
    };

    static Result Run(const Inputs& inputs, const std::atomic_bool& cancel);

    // The version offered by a version page: the four characters after "VerVerVerVer", read as a
    // decimal number, when the page also holds "CurCurCurCur"; false for a page without them.
    static bool ParseVersionPage(const QByteArray& page, double& version);
    // The approvals file: entries "code=count" each ended by "<br>" and one separator character.
    static QMap<QString, QString> ParseApprovals(const QByteArray& body);
    // The approvals file of an event on the approvals site (the address ends in "/").
    static QString ApprovalsUrl(const QString& site, const QString& eventCode);
};
