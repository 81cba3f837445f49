#pragma once

#include <QMap>
#include <QString>

class CNewZelDoc;

// The answers the approvals site holds for one event, with the event they were fetched for: a
// result that arrives after the user moved to another event must not touch that one.
struct CSiteApprovals
{
    QString eventFolder;
    QString eventCode;
    QMap<int, int> answers; // guest code -> number of people, 0 for a cancellation

    // Whether the document still shows the event these answers belong to.
    bool IsFor(CNewZelDoc& document) const;
};

