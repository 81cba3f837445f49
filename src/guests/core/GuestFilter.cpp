#include "guests/core/GuestFilter.h"

#include "data/records/Guest.h"

bool CGuestFilter::Matches(const CGuest& guest) const
{
    if (useRelation && guest.GetRelation() != relation)
        return false;
    if (useGroup && guest.GetGroupName() != group)
        return false;
    if (useStatus) {
        const int guestStatus = guest.IsApproved() ? 1 : guest.IsNotComing() ? 2 : 0;
        if (guestStatus != status)
            return false;
    }
    if (useInvitationSent && guest.GetInvitationSent() != invitationSent)
        return false;
    if (useMobilePhone && guest.GetMobilePhone().trimmed().isEmpty() == hasMobilePhone)
        return false;
    if (useEmail && guest.GetEmail().trimmed().isEmpty() == hasEmail)
        return false;
    return true;
}

void CGuestFilter::Clear()
{
    *this = CGuestFilter();
}
