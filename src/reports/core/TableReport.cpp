#include "reports/core/TableReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportPage.h"

#include <algorithm>

namespace TableReport {

namespace {

struct Listed
{
    int id;
    const CTable* table;
    QList<CGuest*> guests;
    qint64 people = 0;
};

// The tables in the report's order, each with the guests it lists.
QList<Listed> Tables(CNewZelDoc& document, Order order)
{
    const bool hideNotComing = document.AppSettings().GetDontShowNonCommingInTableReport();
    QList<Listed> tables;
    for (int id = 1; id < document.Tables().size(); ++id)
        tables.append({id, document.Tables().at(id), {}, 0});
    for (CGuest* guest : document.Guests()) {
        const int id = guest->GetTableIndex();
        if (id < 1 || id >= document.Tables().size() || (hideNotComing && guest->GetComing() == 0))
            continue;
        Listed& listed = tables[id - 1];
        listed.guests.append(guest);
        listed.people += guest->GetComing();
    }
    if (order == Order::ByHallNumber)
        std::stable_sort(tables.begin(), tables.end(),
                         [](const Listed& a, const Listed& b) { return a.table->GetHallNumber() < b.table->GetHallNumber(); });
    return tables;
}

QString Title(Order order)
{
    const bool english = Language::IsEnglish();
    if (order == Order::ById)
        return english ? QStringLiteral("<h3 align=left>Table report by table id</h3>")
                       : QStringLiteral("<h3 align=right>דוח שולחנות לפי מספר סידורי של השולחן</h3>");
    return english ? QStringLiteral("<h3 align=left>Table report by number of table in hall</h3>")
                   : QStringLiteral("<h3 align=right>דוח שולחנות על פי המספר של השולחן באולם</h3>");
}

QString Header(const Listed& listed, Order order)
{
    const bool english = Language::IsEnglish();
    const QString name = HtmlText::Escape(listed.table->GetName());
    const QString id = QString::number(listed.id);
    if (order == Order::ById)
        return (english ? QStringLiteral("<th colspan=4 align=left><font color=blue>Table ")
                        : QStringLiteral("<th colspan=4 align=right><font color=blue>שולחן "))
             + id + QStringLiteral(" - ") + name + QStringLiteral("</font></th>");
    return (english ? QStringLiteral("<th colspan=4><font color=blue> Location in hall ")
                    : QStringLiteral("<th colspan=4><font color=blue> מיקום באולם "))
         + QString::number(listed.table->GetHallNumber()) + QStringLiteral(" - ") + name
         + (english ? QStringLiteral(" <br> (Id ") : QStringLiteral(" <br> (סידורי ")) + id
         + QStringLiteral(") </font></th>");
}

QString Row(int number, const CGuest& guest, Order order)
{
    const bool english = Language::IsEnglish();
    const QString kids = guest.GetKids() > 0
                           ? (english ? QStringLiteral("<font color=red>From them %1 kid(s)</font>")
                                      : QStringLiteral("<font color=red>מתוכם %1 ילדים</font>")).arg(guest.GetKids())
                           : QStringLiteral("&nbsp;");
    const QString chair = guest.GetNeedKidsChair()
                            ? (english ? QStringLiteral("[Need baby seat]") : QStringLiteral("<font color=red>צריך כסא תינוק</font>"))
                            : QStringLiteral("&nbsp;");
    const QString numberCell = order == Order::ById ? QStringLiteral("<td align=") + ReportPage::Align() + QLatin1Char('>')
                                                    : QStringLiteral("<td>");
    const QString people = QString::number(guest.GetComing()) + QStringLiteral(" - ") + HtmlText::Escape(guest.GetFullName());
    const QString k = QString::number(number);
    // Only the rows by hall number end their line.
    const QString end = order == Order::ById ? QString() : QStringLiteral("\r\n");
    if (english)
        return QStringLiteral("<tr>") + numberCell + k + QStringLiteral("</td>") + ReportPage::Cell(people)
             + ReportPage::Cell(kids) + ReportPage::Cell(chair) + QStringLiteral("</tr>") + end;
    return QStringLiteral("<tr>") + ReportPage::Cell(chair) + ReportPage::Cell(kids) + ReportPage::Cell(people) + numberCell
         + k + QStringLiteral("</td></tr>") + end;
}

QString CountLine(qint64 people, Order order)
{
    const bool english = Language::IsEnglish();
    QString html = order == Order::ById ? QStringLiteral("<th colspan=4 align=") + ReportPage::Align() + QLatin1Char('>')
                                        : QStringLiteral("<th colspan=4>");
    html += english ? QStringLiteral("Number of guests in this table - ") : QStringLiteral("מספר מוזמנים בשולחן זה ");
    return html + QString::number(people) + QStringLiteral("</th>");
}

const QString kDashes = QString(70, QLatin1Char('-')) + QStringLiteral("\r\n");

}

QString Html(CNewZelDoc& document, Order order)
{
    QString html = ReportPage::Open() + Title(order) + QStringLiteral("\r\n");
    QList<CGuest*> counted;
    for (const Listed& listed : Tables(document, order)) {
        html += QStringLiteral("<table border=1 width=\"60%\" >") + Header(listed, order);
        int number = 0;
        for (const CGuest* guest : listed.guests)
            html += Row(++number, *guest, order);
        if (listed.people >= 1)
            html += CountLine(listed.people, order);
        html += QStringLiteral("</table>\r\n<br>");
        counted += listed.guests;
    }
    html += ReportPage::Summary(counted, document.Settings().GetKidsPresent());
    return html + ReportPage::Close();
}

QString Text(CNewZelDoc& document, Order order)
{
    const bool english = Language::IsEnglish();
    QString text;
    if (order == Order::ById)
        text = english ? QStringLiteral("Table report by table id\r\n") : QStringLiteral("דוח שולחנות לפי מספר סידורי של השולחן\r\n");
    else
        text = english ? QStringLiteral("Table report by number of table in hall (לא חייב להיות רצף (אבל רצוי\r\n")
                       : QStringLiteral("דוח שולחנות על פי המספר של השולחן באולם (לא חייב להיות רצף (אבל רצוי\r\n");
    for (const Listed& listed : Tables(document, order)) {
        text += kDashes;
        if (order == Order::ById)
            text += (english ? QStringLiteral("                      Table %1 ( %2 )\r\n")
                             : QStringLiteral("                      שולחן %1 ( %2 )\r\n"))
                        .arg(QString::number(listed.id), listed.table->GetName());
        else
            text += (english ? QStringLiteral("                  Location in hall %1 (Id %2) (%3)\r\n")
                             : QStringLiteral("                  מיקום באולם %1 (סידורי %2) (%3)\r\n"))
                        .arg(QString::number(listed.table->GetHallNumber()), QString::number(listed.id), listed.table->GetName());
        text += kDashes;
        int number = 0;
        for (const CGuest* guest : listed.guests) {
            const QString line = QString::number(++number) + QStringLiteral(". ") + guest->GetFullName();
            text += order == Order::ById ? line + QStringLiteral("\r\n") : QStringLiteral("<br>") + line + QStringLiteral("\n");
        }
        text += (english ? QStringLiteral("Number of guests in this table ") : QStringLiteral("מספר מוזמנים בשולחן זה "))
              + QString::number(listed.people) + QStringLiteral("\r\n");
    }
    return text;
}

}
