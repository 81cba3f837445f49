#pragma once

#include <QList>
#include <QString>

#include <optional>

class CGuest;

// The fields the multi-guest dialog writes into every selected guest; a field without a value is
// left alone.
class CMultiGuestUpdate
{
public:
    // Writes the set fields exactly as given: unlike the details page, the counts are not coupled,
    // so one count can be corrected without touching the other. Returns how many guests changed.
    int Apply(const QList<CGuest*>& guests) const;

    std::optional<int> invited;
    std::optional<int> coming;
    std::optional<QString> group;
    std::optional<QString> relation;
    std::optional<bool> invitationSent;
    std::optional<int> status;     // 1 approved, 2 will not come, 0 unknown
};
