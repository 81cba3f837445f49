#include "approvals/core/ApprovalMail.h"

#include "approvals/core/ApprovalsSite.h"
#include "guests/core/GuestVerification.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"

#include <QUrl>

QString ApprovalMail::Encode(const QString& text, bool address)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, address ? QByteArray("@") : QByteArray()));
}

QString ApprovalMail::GuestLink(CNewZelDoc& document, const CGuest& guest)
{
    if (guest.GetEmail().trimmed().isEmpty())
        return QString();
    const CSettings& settings = document.Settings();
    const QString code = settings.Key(QStringLiteral("EventCode"));
    const QString guestCode = QString::number(guest.GetUniqueId());
    const QString page = ApprovalsSite::ApprovePage(document.AppSettings());
    QString subject;
    QString body;
    if (Language::IsHebrew()) {
        const qint64 verification = GuestVerification::Number(guest.GetUniqueId());
        QString eventName = settings.GetEveName();
        if (eventName.isEmpty())
            eventName = settings.Key(QStringLiteral("GroumName")) + QStringLiteral(" ו") +
                        settings.Key(QStringLiteral("BrideName"));
        subject = QStringLiteral(" %1 - אנא אשרו הגעתכם לארוע ").arg(eventName);
        body = page + QStringLiteral("?event=") + Encode(code) + QStringLiteral("&gid=") + guestCode +
               QStringLiteral("&aid=") + QString::number(verification) + QStringLiteral("\r\n:קוד ארוע ") + code +
               QStringLiteral("\r\n:קוד מוזמן ") + guestCode + QStringLiteral("\r\n:אימות מוזמן ") +
               QString::number(verification);
    } else {
        subject = QStringLiteral(" Please approve your attendance in our event ");
        body = page + QStringLiteral("\r\nEvent Code: ") + code + QStringLiteral("\r\nGuest Code: ") + guestCode;
    }
    return QStringLiteral("mailto:") + Encode(guest.GetEmail().trimmed(), true) + QStringLiteral("?Subject=") +
           Encode(subject) + QStringLiteral("&Body=") + Encode(body);
}

QList<const CGuest*> ApprovalMail::Unconfirmed(const CNewZelDoc& document)
{
    QList<const CGuest*> guests;
    for (const CGuest* guest : document.Guests()) {
        if (!guest->IsApproved() && !guest->IsNotComing() && !guest->GetEmail().trimmed().isEmpty())
            guests.append(guest);
    }
    return guests;
}
