#include "guests/core/GuestSort.h"

#include "data/records/Guest.h"

#include <algorithm>
#include <vector>

namespace GuestSort {

QString KeyText(const CGuest& guest, Key key)
{
    switch (key) {
    case Key::Group:
        return guest.GetGroupName();
    case Key::FirstNames:
        return guest.GetName();
    case Key::FamilyName:
        return guest.GetFamilyName();
    case Key::Relation:
        return guest.GetRelation();
    case Key::Status:
        return guest.IsApproved() ? QStringLiteral("1") : QStringLiteral("0");
    case Key::InvitationSent:
        return guest.GetInvitationSent() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

void Sort(QList<CGuest*>& rows, Key key, bool ascending)
{
    // Each key is made once, not once per comparison.
    std::vector<std::pair<QString, CGuest*>> keyed;
    keyed.reserve(rows.size());
    for (CGuest* guest : rows)
        keyed.emplace_back(KeyText(*guest, key), guest);
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        const int order = QString::compare(a.first, b.first, Qt::CaseSensitive);
        return ascending ? order < 0 : order > 0;
    });
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i] = keyed[size_t(i)].second;
}

}
