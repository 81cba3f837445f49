#include "data/records/ShortDate.h"

#include "data/settings/Language.h"

#include <QDate>
#include <QStringList>

namespace {

QString TwoDigits(int value)
{
    if (value == 0)
        return QStringLiteral("0");
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

bool ToNumber(const QString& text, quint16& number)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    if (!ok || value > 0xFFFF)
        return false;
    number = quint16(value);
    return true;
}

// A day that the month has; a zero year counts as a leap year, so 29.2.00 stays.
bool IsValidDayOfMonth(const ShortDate& date)
{
    return date.month >= 1 && date.month <= 12 && date.day >= 1
           && date.day <= QDate(date.year == 0 ? 2000 : date.year, date.month, 1).daysInMonth();
}

}

QString ShortDate::ToText() const
{
    const QString yearText = year == 0 ? QStringLiteral("00") : QString::number(year);
    if (Language::IsEnglish())
        return TwoDigits(month) + u'.' + TwoDigits(day) + u'.' + yearText;
    return TwoDigits(day) + u'.' + TwoDigits(month) + u'.' + yearText;
}

ShortDate ShortDate::FromText(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 3)
        return ShortDate();
    const bool english = Language::IsEnglish();
    ShortDate date;
    if (!ToNumber(parts[0], english ? date.month : date.day) || !ToNumber(parts[1], english ? date.day : date.month)
        || !ToNumber(parts[2], date.year))
        return ShortDate();
    // A date written in the other interface's order (an event saved in Hebrew and opened in English)
    // is invalid in this order whenever its day is above 12: it is read in the other order then.
    if (!date.IsEmpty() && !IsValidDayOfMonth(date)) {
        const ShortDate swapped{date.year, date.day, date.month};
        if (IsValidDayOfMonth(swapped))
            return swapped;
    }
    return date;
}

ShortDate ShortDate::Today()
{
    const QDate today = QDate::currentDate();
    return ShortDate{quint16(today.year()), quint16(today.month()), quint16(today.day())};
}
