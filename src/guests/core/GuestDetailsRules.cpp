#include "guests/core/GuestDetailsRules.h"

#include "data/records/Guest.h"
#include "data/records/RecordOwner.h"
#include "data/settings/StringTable.h"

namespace GuestDetailsRules {

namespace {

const QString kHeaderEnd = QStringLiteral("<ct=0x00C000><br><hr=100%%><br></ct><al_r>");

QString Header(const QString& title)
{
    return QStringLiteral("<al_c><ct=0xFF0000><b>") + title + QStringLiteral("</b>") + kHeaderEnd;
}

}

QString TrimmedFullName(const QString& names, const QString& familyName)
{
    const QString first = names.trimmed();
    const QString family = familyName.trimmed();
    if (first.isEmpty())
        return family;
    if (family.isEmpty())
        return first;
    return first + QLatin1Char(' ') + family;
}

NameProblem CheckName(const QList<CGuest*>& guests, const CGuest& guest)
{
    const QString fullName = TrimmedFullName(guest.GetName(), guest.GetFamilyName());
    if (fullName.isEmpty())
        return guests.isEmpty() ? NameProblem::None : NameProblem::Empty;
    int same = 0;
    for (const CGuest* other : guests)
        if (TrimmedFullName(other->GetName(), other->GetFamilyName()) == fullName && ++same >= 2)
            return NameProblem::Duplicate;
    return NameProblem::None;
}

QString NameProblemText(NameProblem problem)
{
    switch (problem) {
    case NameProblem::Empty:
        return QStringLiteral("שם המוזמן אינו יכול להיות ריק");
    case NameProblem::Duplicate:
        return QStringLiteral("שם זה כבר קיים במערכת\r\nאנא בחר/י שם אחר");
    default:
        return {};
    }
}

bool SetInvited(CGuest& guest, int invited)
{
    bool changed = guest.SetInvited(invited);
    if (guest.GetComing() > invited)
        changed |= guest.SetComing(invited);
    return changed;
}

bool SetComing(CGuest& guest, int coming)
{
    bool changed = guest.SetComing(coming);
    if (coming > guest.GetInvited())
        changed |= guest.SetInvited(coming);
    return changed;
}

QStringList TransportNames(int eventType)
{
    const bool wedding = eventType == 0;
    return {QStringLiteral("לא זקוק להסעה"),
            wedding ? QStringLiteral("הסעה צד הכלה") : QStringLiteral("הסעה מס 1"),
            wedding ? QStringLiteral("הסעה צד החתן") : QStringLiteral("הסעה מס 2"),
            QStringLiteral("הסעה מס 3"), QStringLiteral("הסעה מס 4"), QStringLiteral("הסעה מס 5")};
}

qint64 TransportSum(const QList<CGuest*>& guests, int transport)
{
    qint64 sum = 0;
    for (const CGuest* guest : guests)
        if (guest->GetTransport() == transport)
            sum += guest->GetComing();
    return sum;
}

qint64 TransportWithGuest(const QList<CGuest*>& guests, const CGuest& guest, int transport)
{
    const qint64 sum = TransportSum(guests, transport);
    return transport == guest.GetTransport() ? sum : sum + guest.GetComing();
}

bool SetRestrictions(IRecordOwner& owner, CGuest& guest, const QStringList& names)
{
    const QString self = guest.GetFullName();
    const QStringList old = guest.GetRestrictions();
    bool othersChanged = false;
    for (const QString& name : old) {
        guest.RemoveRestriction(name);
        if (!names.contains(name))
            if (CGuest* other = owner.FindGuestByFullName(name))
                othersChanged |= other->RemoveRestriction(self);
    }
    for (const QString& name : names) {
        guest.AddRestriction(name, false);
        if (CGuest* other = owner.FindGuestByFullName(name); other && other != &guest)
            othersChanged |= other->AddRestriction(self, false);
    }
    return othersChanged || guest.GetRestrictions() != old;
}

QString KidsTooltip(int kids, bool needsChair)
{
    QString text;
    if (kids > 0 && needsChair)
        text = QStringLiteral("למוזמן זה יש %d ילדים וגם כסא תינוק<br>");
    else if (kids > 0)
        text = QStringLiteral("<al_r>למוזמן זה יש %d ילדים<br>");
    else if (needsChair)
        text = Header(QStringLiteral("ילדים")) + QStringLiteral("<b>מוזמן זה צריך כסא תינוק</b><br>");
    else
        text = Header(QStringLiteral("ילדים")) + QStringLiteral("למוזמן זה לא הוקלדו ילדים או כסא לתינוק<br>");
    text += QStringLiteral("ניתן לכל מוזמן לרשום אם הוא צריך כסא ילדים<br>עבור תינוקו. ניתן לרשום כמה ילדים קטנים יש למוזמן זה<br>"
                           "ילדים קטנים לפעמים מקבלים מנת ילדים שהינה זולה יותר ממנה רגילה");
    return StringTable::Fill(text, {QString::number(kids)});
}

QString TableTooltip(const QList<CGuest*>& seated)
{
    QString text = QStringLiteral("<al_c><ct=0xFF0000><b>:מוזמנים בשולחן זה</b></ct><br><ct=0x00C000><hr=100%%></ct><br> </al_c><al_r>");
    for (const CGuest* guest : seated)
        text += guest->GetFullName().replace(QLatin1Char('%'), QStringLiteral("%%")) + QStringLiteral("<br>");
    return StringTable::Fill(text, {});
}

QString StatusTooltip(int status)
{
    const QString lines[] = {QStringLiteral("לא ידוע - עוד לא התקבלה תשובה מהמוזמן"),
                             QStringLiteral("אישרו - המוזמן אישר שיגיע לארוע"),
                             QStringLiteral("לא באים - המוזמן הודיע שלא יגיע")};
    QString text = Header(QStringLiteral("מצב"));
    for (int value : {1, 2, 0}) {
        const bool current = value == status || (value == 0 && status != 1 && status != 2);
        text += current ? QStringLiteral("<b>") + lines[value] + QStringLiteral("</b><br>") : lines[value] + QStringLiteral("<br>");
    }
    return StringTable::Fill(text, {});
}

QString ComingReminder()
{
    return StringTable::Fill(
        QStringLiteral("<b><ct=0x0000FF><al_c> זיכרו לעדכן את מםפר המוזמנים שבאים</b><br><ct=0x00AA00><hr=100%%></ct><br>"
                       "העברתם ממצב של \"לא באים\" למצב אחר ולכן צריך לעדכן את המספר של המוזמנים שכן יבואו"),
        {});
}

}
