#include "sms/core/SmsCarriers.h"

const QList<SmsCarriers::Carrier>& SmsCarriers::Table()
{
    static const QList<Carrier> kTable = {
        {QStringLiteral("054"), QStringLiteral("אורנג"), 70, 160},
        {QStringLiteral("052"), QStringLiteral("סלקום"), 70, 160},
        {QStringLiteral("050"), QStringLiteral("פלאפון"), 126, 126},
        {QStringLiteral("057"), QStringLiteral("מירס"), 70, 140},
    };
    return kTable;
}

const SmsCarriers::Carrier* SmsCarriers::Find(const QString& mobile)
{
    for (const Carrier& carrier : Table()) {
        if (mobile.startsWith(carrier.prefix))
            return &carrier;
    }
    return nullptr;
}

bool SmsCarriers::IsValidMobile(const QString& mobile)
{
    if (mobile.size() < 10 || mobile.size() > 11 || !Find(mobile))
        return false;
    for (QChar c : mobile) {
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

bool SmsCarriers::HasHebrew(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 128)
            return true;
    }
    return false;
}

bool SmsCarriers::HasLatin(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 1 && c.unicode() < 128)
            return true;
    }
    return false;
}

int SmsCarriers::Limit(const QString& mobile, const QString& text)
{
    const Carrier* carrier = Find(mobile);
    if (!carrier)
        return 0;
    return HasHebrew(text) ? carrier->hebrewLimit : carrier->latinLimit;
}
