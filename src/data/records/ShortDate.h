#pragma once

#include <QString>
#include <QtGlobal>

#include <compare>

// A calendar date of three 16-bit numbers; all zero means no date. Members are declared in order of
// significance, so the default comparison orders dates by year, then month, then day.
struct ShortDate
{
    quint16 year = 0;
    quint16 month = 0;
    quint16 day = 0;

    auto operator<=>(const ShortDate&) const = default;

    bool IsEmpty() const { return year == 0 && month == 0 && day == 0; }
    // Day.month.year in the Hebrew interface, month.day.year in the English one; day and month with
    // two digits, a zero day or month as "0", a zero year as "00" (so no date reads "0.0.00").
    QString ToText() const;
    // Reads the three numbers of a date text in the order ToText writes them; a text that is not
    // three numbers joined by full stops gives no date.
    static ShortDate FromText(const QString& text);
    static ShortDate Today();
};
