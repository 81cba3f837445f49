#include "sms/core/SmsText.h"

#include "guests/core/GuestVerification.h"

#include "data/records/Guest.h"
#include "data/settings/Settings.h"

namespace {
const QString kStoredBreak = QStringLiteral("ssssss");
const QString kBreak = QStringLiteral("\r\n");
}

QStringList SmsText::ReadyMessages(const QString& approvePage)
{
    const QString approval = QStringLiteral("אשרו השתתפותכם בחתונתינו באתר ") + approvePage +
                             QStringLiteral(". קוד ארוע=<קוד ארוע> קוד מוזמן=<קוד מוזמן> אימות מוזמן=<אימות מוזמן>");
    return {
        QStringLiteral("אנא אשרו את ההשתתפות בחתונתינו. שילחו הודעה עם מספר בני המשפחה שיבואו."),
        QStringLiteral("אנא אשרו את השתתפותכם בחתונתינו. שילחו הודעה חזרה עם מספר בני המשפחה שיבואו. תודה <שמות החתן והכלה>."),
        QStringLiteral("שלום. שילחו לנו כתובת עדכנית שלכם. אנו רוצים לשלוח הזמנה לחתונה שלנו."),
        QStringLiteral("שלום. שילחו לנו כתובת עדכנית שלכם. אנו רוצים לשלוח לכם הזמנה לחתונה שלנו. להתראות <שמות החתן והכלה>."),
        approval,
        approval + QStringLiteral(". <שמות החתן והכלה>."),
    };
}

QString SmsText::FillEvent(const QString& text, const CSettings& settings)
{
    QString filled = text;
    filled.replace(kCouple, settings.Key(QStringLiteral("GroumName")) + QStringLiteral(" ו") +
                                settings.Key(QStringLiteral("BrideName")));
    filled.replace(kEventCode, settings.Key(QStringLiteral("EventCode")));
    return filled;
}

QString SmsText::AsSent(const QString& text)
{
    QString sent = text;
    sent.replace(kBreak, QStringLiteral("\n"));
    sent.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    sent.replace(QLatin1Char('\n'), kBreak);
    return sent;
}

QString SmsText::Personalise(const QString& text, const CGuest& guest)
{
    QString personal = AsSent(text);
    personal.replace(kGuestCode, QString::number(guest.GetUniqueId()));
    personal.replace(kVerification, QString::number(GuestVerification::Number(guest.GetUniqueId())));
    return personal;
}

bool SmsText::NeedsEventCode(const QString& text, const QString& approvePage)
{
    return text.contains(kEventCode) || text.contains(kGuestCode) || text.contains(kVerification) ||
           (!approvePage.isEmpty() && text.contains(approvePage));
}

QString SmsText::ToStored(const QString& text)
{
    QString stored = AsSent(text);
    stored.replace(kBreak, kStoredBreak);
    return stored;
}

QString SmsText::FromStored(const QString& stored)
{
    QString text = stored;
    text.replace(kStoredBreak, kBreak);
    return text;
}
