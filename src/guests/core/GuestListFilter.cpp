#include "guests/core/GuestListFilter.h"

#include "data/records/Guest.h"

bool CGuestListFilter::Matches(const CGuest& guest) const
{
    if (!group.isEmpty() && guest.GetGroupName() != group)
        return false;
    if (!relation.isEmpty() && guest.GetRelation() != relation)
        return false;
    if (!firstNames.isEmpty() && !guest.GetName().startsWith(firstNames))
        return false;
    if (!familyName.isEmpty() && !guest.GetFamilyName().startsWith(familyName))
        return false;
    switch (status) {
    case Approved:
        return guest.IsApproved();
    case NotComing:
        return guest.IsNotComing();
    case Unknown:
        return !guest.IsApproved() && !guest.IsNotComing();
    default:
        return true;
    }
}

QList<CGuest*> CGuestListFilter::Apply(const QList<CGuest*>& guests) const
{
    if (IsEmpty())
        return guests;
    QList<CGuest*> shown;
    for (CGuest* guest : guests)
        if (Matches(*guest))
            shown.append(guest);
    return shown;
}

bool CGuestListFilter::IsEmpty() const
{
    return group.isEmpty() && relation.isEmpty() && firstNames.isEmpty() && familyName.isEmpty() && status == AnyStatus;
}

void CGuestListFilter::Reset()
{
    *this = CGuestListFilter();
}
