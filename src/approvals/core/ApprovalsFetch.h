#pragma once

#include "approvals/core/SiteApprovals.h"

#include <QByteArray>
#include <QString>

#include <atomic>

// Fetching and reading the approvals file of an event on the approvals site. Safe on a worker
// thread: it touches nothing but the network and what it is given.
class CApprovalsFetch
{
public:
    // A wedding of thousands of invitations fits many times over; a larger reply is refused whole
    // rather than cut, so no answer is silently lost.
    static constexpr int kMaxBytes = 1024 * 1024;

    enum class Status { Ok, NoReply, NotOk, TooLarge, NoEventCode };

    struct Result
    {
        Status status = Status::NoReply;
        long httpStatus = 0;
        CSiteApprovals approvals;
    };

    // "<site>approve-me/<code>/approval.txt" with the code percent-encoded; empty without a code.
    static QString Url(const QString& site, const QString& eventCode);
    // Only a whole reply with status 200 is read.
    static Result Fetch(const QString& site, const QString& eventFolder, const QString& eventCode,
                        const std::atomic_bool* cancel = nullptr);
    // Entries are split on "<br>" and trimmed; only "digits=digits" entries count, and a later
    // entry for a code replaces an earlier one.
    static QMap<int, int> Parse(const QByteArray& body);
    // What the user is told about a failed fetch.
    static QString Describe(const Result& result);
};
