#pragma once

#include <QStringList>

class CGuest;

// Which guests the recipients list shows: by whether and where a message can go, and by carrier.
class CSmsFilter
{
public:
    enum State { All, NotSentYet, NoMobile, WithMobile, InvalidMobile };

    static QStringList StateTexts();
    // "All carriers" first, then the carriers in the order of their table.
    static QStringList CarrierTexts();

    State state = All;
    int carrier = -1; // index in the carrier table, -1 for all

    bool Accepts(const CGuest& guest) const;
};
