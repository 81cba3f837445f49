#include "reports/core/GiftReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/settings/NumberText.h"
#include "guests/core/GuestTexts.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportPage.h"

#include <QSet>

namespace GiftReport {

namespace {

struct Side
{
    QString key;
    QString heading;
};

QString Money(double amount)
{
    return QString::fromLatin1(NumberText::Fixed(amount, 0));
}

QString TextCell(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("&nbsp") : HtmlText::Escape(text);
}

QString GiftTable(const QString& heading, const QList<const CGuest*>& guests)
{
    const bool english = Language::IsEnglish();
    QString html = QStringLiteral("<table border=1 width=\"470\" >\r\n<tr><td align=center colspan=")
                 + (english ? QStringLiteral("4") : QStringLiteral("5")) + QStringLiteral("><font size=5 color=blue>")
                 + HtmlText::Escape(heading) + QStringLiteral("</font></td></tr>\r\n");
    if (english)
        html += ReportPage::Row({QStringLiteral("Name"), QStringLiteral("Gift"), QStringLiteral("Comments"), QStringLiteral("Sum")});
    else
        html += ReportPage::Row({QStringLiteral("שם"), QStringLiteral("מתנה"), QStringLiteral("הערות"),
                                 QStringLiteral("מתנה כספית דולרית"), QStringLiteral("מתנה כספית שיקלית")});
    double shekels = 0, dollars = 0;
    for (const CGuest* guest : guests) {
        QList<QString> cells{TextCell(guest->GetFullName()), TextCell(guest->GetGift()), TextCell(guest->GetGiftInfo())};
        cells.append(Money(guest->GetGiftDollars()));
        if (!english)
            cells.append(Money(guest->GetGiftShekels()));
        html += ReportPage::Row(cells);
        shekels += guest->GetGiftShekels();
        dollars += guest->GetGiftDollars();
    }
    const auto green = [](const QString& text) { return QStringLiteral("<font color=green>") + text + QStringLiteral("</font>"); };
    QList<QString> total{green(english ? QStringLiteral("Total") : QStringLiteral("סה\"כ")), QStringLiteral("&nbsp"),
                         QStringLiteral("&nbsp"), green(Money(dollars))};
    if (!english)
        total.append(green(Money(shekels)));
    html += ReportPage::Row(total);
    return html + QStringLiteral("</table>\r\n<br>\r\n");
}

QList<Side> Sides(const CNewZelDoc& document, By by)
{
    QList<Side> sides;
    if (by == By::Group) {
        for (const CGroup* group : document.Groups())
            sides.append({group->GetName(), group->GetName()});
        return sides;
    }
    return {{GuestTexts::Bride(), QStringLiteral("צד הכלה")},
            {GuestTexts::Groom(), QStringLiteral("צד החתן")},
            {GuestTexts::Shared(), QStringLiteral("אורחים משותפים")}};
}

}

QString Html(CNewZelDoc& document, By by)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open();
    if (by == By::Group)
        html += english ? QStringLiteral("<h3 align=left>Gift report by groups</h3>\r\n")
                        : QStringLiteral("<h3 align=right>דוח מתנות לפי קבוצות</h3>\r\n");
    else
        html += english ? QStringLiteral("<h3 align=left>Gifts report by relation</h3>\r\n")
                        : QStringLiteral("<h3 align=right>דוח מתנות לפי שיכות</h3>\r\n");
    const auto keyOf = [by](const CGuest& guest) -> const QString& {
        return by == By::Group ? guest.GetGroupName() : guest.GetRelation();
    };
    QSet<QString> listed;
    for (const Side& side : Sides(document, by)) {
        if (listed.contains(side.key))
            continue;
        listed.insert(side.key);
        QList<const CGuest*> guests;
        for (const CGuest* guest : document.Guests())
            if (keyOf(*guest) == side.key)
                guests.append(guest);
        if (!guests.isEmpty())
            html += GiftTable(side.heading, guests);
    }
    QList<const CGuest*> others;
    for (const CGuest* guest : document.Guests())
        if (!listed.contains(keyOf(*guest)))
            others.append(guest);
    if (!others.isEmpty())
        html += GiftTable(QStringLiteral("אחרים"), others);
    return html + ReportPage::Close();
}

}
