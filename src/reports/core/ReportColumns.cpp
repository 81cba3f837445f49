#include "reports/core/ReportColumns.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"
#include "data/settings/NumberText.h"
#include "guests/core/GuestTexts.h"
#include "guests/core/GuestVerification.h"
#include "reports/core/HtmlText.h"

namespace ReportColumns {

namespace {

struct Captions
{
    const char* english;
    const char* hebrew;
};

const Captions kCaptions[Count] = {
    {"Name", "שם"},
    {"Last name", "שם משפחה"},
    {"Relationship to", "שיכות"},
    {"Group", "קבוצה"},
    {"Phone", "טלפון"},
    {"Mobile", "טלפון נייד"},
    {"Address", "כתובת"},
    {"Gift", "מתנה"},
    {"Gift comments", "הערות למתנה"},
    {"shekels", "שקלים"},
    {"Dolars", "דולרים"},
    {"Status", "מצב"},
    {"Invitation sent", "נשלחה הזמנה"},
    {"Number of guests", "מספר מוזמנים"},
    {"Actual number", "יבואו בפועל"},
    {"Kids number", "מספר הילדים"},
    {"Table number", "מספר שולחן"},
    {"Table number in hall", "מספר שולחן באולם"},
    {"Guests Details", "פרטים נוספים"},
    {"Guest Verify", "אימות מוזמן"},
    {"Guest Code", "קוד מוזמן"},
    {"Guests Email", "אימייל"},
};

QString Money(double amount)
{
    return QString::fromLatin1(NumberText::Fixed(amount, 0));
}

QString Text(const CNewZelDoc& document, const CGuest& guest, int column)
{
    switch (column) {
    case Name: return HtmlText::Escape(guest.GetName());
    case LastName: return HtmlText::Escape(guest.GetFamilyName());
    case Relation: return HtmlText::Escape(guest.GetRelation());
    case Group: return HtmlText::Escape(guest.GetGroupName());
    case Phone: return HtmlText::Escape(guest.GetPhone());
    case Mobile: return HtmlText::Escape(guest.GetMobilePhone());
    case Address: return HtmlText::Escape(guest.GetAddress());
    case Gift: return HtmlText::Escape(guest.GetGift());
    case GiftComments: return HtmlText::Escape(guest.GetGiftInfo());
    case Shekels: return Money(guest.GetGiftShekels());
    case Dollars: return Money(guest.GetGiftDollars());
    case Status: return StatusText(guest);
    case InvitationSent: return guest.GetInvitationSent() ? GuestTexts::Yes() : GuestTexts::No();
    case Invited: return QString::number(guest.GetInvited());
    case Coming: return QString::number(guest.GetComing());
    case Kids: return QString::number(guest.GetKids());
    case TableNumber: return QString::number(guest.GetTableIndex());
    case HallNumber: return QString::number(GuestHallNumber(document, guest));
    case Details: return HtmlText::Escape(guest.GetNotes());
    case Verify: return QString::number(GuestVerification::Number(guest.GetUniqueId()));
    case Code: return QString::number(guest.GetUniqueId());
    case Email: return HtmlText::Escape(guest.GetEmail());
    default: return QString();
    }
}

}

QList<int> Defaults()
{
    return {Name, LastName, Relation, Group, Phone, Invited, Coming, TableNumber};
}

QString Caption(int column)
{
    if (column < 0 || column >= Count)
        return QString();
    return QString::fromUtf8(Language::IsEnglish() ? kCaptions[column].english : kCaptions[column].hebrew);
}

QString Cell(const CNewZelDoc& document, const CGuest& guest, int column)
{
    const QString text = Text(document, guest, column);
    return text.isEmpty() ? QStringLiteral("&nbsp;") : text;
}

QString StatusText(const CGuest& guest)
{
    const bool english = Language::IsEnglish();
    switch (guest.GetStatus()) {
    case 1: return english ? QStringLiteral("Approved") : QStringLiteral("אישרו");
    case 2: return english ? QStringLiteral("Will not come") : QStringLiteral("לא יבואו");
    default: return english ? QStringLiteral("Unknown") : QStringLiteral("לא ידוע");
    }
}

int GuestHallNumber(const CNewZelDoc& document, const CGuest& guest)
{
    const int index = guest.GetTableIndex();
    if (index <= 0 || index >= document.Tables().size())
        return 0;
    return document.Tables().at(index)->GetHallNumber();
}

}
