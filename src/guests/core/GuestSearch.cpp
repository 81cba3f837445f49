#include "guests/core/GuestSearch.h"

#include "data/records/Guest.h"

namespace GuestSearch {

bool Matches(const CGuest& guest, const QString& text)
{
    const QString& names = guest.GetName();
    return names.contains(text) || (!names.isEmpty() && text.contains(names));
}

int Find(const QList<CGuest*>& rows, const QString& text, int lastFound, bool down)
{
    const int count = int(rows.size());
    if (count == 0)
        return -1;
    // Without a row found yet, down starts at the top and up at the bottom.
    const int start = lastFound >= 0 && lastFound < count ? lastFound : down ? -1 : count;
    for (int step = 1; step <= count; ++step) {
        const int row = ((down ? start + step : start - step) % count + count) % count;
        if (Matches(*rows[row], text))
            return row;
    }
    return -1;
}

}
