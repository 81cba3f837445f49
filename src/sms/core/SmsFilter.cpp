#include "sms/core/SmsFilter.h"

#include "sms/core/SmsCarriers.h"

#include "data/records/Guest.h"

QStringList CSmsFilter::StateTexts()
{
    return {QStringLiteral("כל המוזמנים"), QStringLiteral("מוזמנים שטרם נשלחה להם הודעה"),
            QStringLiteral("מוזמנים ללא טלפון נייד"), QStringLiteral("מוזמנים עם טלפון נייד"),
            QStringLiteral("מוזמנים עם מספר לא תקין")};
}

QStringList CSmsFilter::CarrierTexts()
{
    QStringList texts{QStringLiteral("כל החברות הסלולריות")};
    for (const SmsCarriers::Carrier& c : SmsCarriers::Table())
        texts.append(c.name);
    return texts;
}

bool CSmsFilter::Accepts(const CGuest& guest) const
{
    const QString& mobile = guest.GetMobilePhone();
    bool accepted = true;
    switch (state) {
    case All:
        break;
    case NotSentYet:
        accepted = guest.GetSmsCount() == 0;
        break;
    case NoMobile:
        accepted = mobile.isEmpty();
        break;
    case WithMobile:
        accepted = !mobile.isEmpty();
        break;
    case InvalidMobile:
        accepted = !mobile.isEmpty() && !SmsCarriers::IsValidMobile(mobile);
        break;
    }
    const QList<SmsCarriers::Carrier>& carriers = SmsCarriers::Table();
    if (accepted && carrier >= 0 && carrier < carriers.size())
        accepted = mobile.startsWith(carriers[carrier].prefix);
    return accepted;
}
