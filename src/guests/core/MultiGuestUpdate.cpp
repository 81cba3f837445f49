#include "guests/core/MultiGuestUpdate.h"

#include "data/records/Guest.h"

int CMultiGuestUpdate::Apply(const QList<CGuest*>& guests) const
{
    int changed = 0;
    for (CGuest* guest : guests) {
        bool any = false;
        if (invited)
            any |= guest->SetInvited(*invited);
        if (coming)
            any |= guest->SetComing(*coming);
        if (group)
            any |= guest->SetGroupName(*group);
        if (relation)
            any |= guest->SetRelation(*relation);
        if (invitationSent)
            any |= guest->SetInvitationSent(*invitationSent);
        if (status)
            any |= guest->SetStatus(*status);
        changed += any ? 1 : 0;
    }
    return changed;
}
