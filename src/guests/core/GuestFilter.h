#pragma once

#include <QString>

class CGuest;

// A filter of guests for the reports: six criteria, each used only when its flag is on.
class CGuestFilter
{
public:
    bool Matches(const CGuest& guest) const;
    void Clear();

    bool useRelation = false;
    QString relation;
    bool useGroup = false;
    QString group;
    bool useStatus = false;
    int status = 0;               // 1 approved, 2 will not come, 0 unknown
    bool useInvitationSent = false;
    bool invitationSent = false;
    bool useMobilePhone = false;
    bool hasMobilePhone = false;
    bool useEmail = false;
    bool hasEmail = false;
};
