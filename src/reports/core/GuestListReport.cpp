#include "reports/core/GuestListReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportColumns.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/ReportPage.h"

#include <algorithm>

namespace GuestListReport {

namespace {

QString Title(Order order)
{
    const bool english = Language::IsEnglish();
    switch (order) {
    case Order::FirstName:
        return english ? QStringLiteral("Guest list sorted by first name") : QStringLiteral("רשימת מוזמנים ממוינת לפי שם פרטי");
    case Order::FamilyName:
        return english ? QStringLiteral("Guest list sorted by family name") : QStringLiteral("רשימת מוזמנים ממוינת לפי שם משפחה");
    case Order::Group:
    case Order::GroupAlphabetical:
        return english ? QStringLiteral("Guest list by group") : QStringLiteral("רשימת מוזמנים בחלוקה לקבוצות");
    case Order::GuestsView:
        return english ? QStringLiteral("Guest list from Guests View")
                       : QStringLiteral("רשימת המוזמנים כפי שמופיעה במסך המוזמנים");
    }
    return QString();
}

// An empty part of a name counts as a blank.
QString Part(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

QString Key(const CGuest& guest, Order order)
{
    switch (order) {
    case Order::FirstName:
        return Part(guest.GetName()) + QLatin1Char(' ') + Part(guest.GetFamilyName());
    case Order::FamilyName:
        return Part(guest.GetFamilyName()) + QLatin1Char(' ') + Part(guest.GetName());
    case Order::Group:
        return guest.GetGroupName();
    case Order::GroupAlphabetical:
        return guest.GetGroupName() + QStringLiteral("...................") + guest.GetFullName();
    case Order::GuestsView:
        break;
    }
    return QString();
}

bool IsGrouped(Order order)
{
    return order == Order::Group || order == Order::GroupAlphabetical;
}

class CWriter
{
public:
    CWriter(const CNewZelDoc& document, const CReportOptions& options, Order order)
        : m_document(document), m_options(options), m_order(order)
    {
        m_tableOpen = order == Order::GuestsView
                        ? QStringLiteral("<table frame=\"box\" rules=\"all\" border=\"1\" bordercolor=black witdh=\"800\">\r\n")
                        : QStringLiteral("<table border=1 bordercolor=black witdh=\"800\">\r\n");
        QList<QString> captions;
        for (const int column : options.columns)
            captions.append(QStringLiteral("<FONT color=blue size=4>") + ReportColumns::Caption(column) + QStringLiteral("</FONT>"));
        m_captionRow = ReportPage::Row(captions);
    }

    QString Write(const QList<CGuest*>& guests)
    {
        m_html += QStringLiteral("<h2><u>") + Title(m_order) + QStringLiteral("</u></h2>\r\n") + m_tableOpen;
        if (IsGrouped(m_order))
            WriteGroups(guests);
        else {
            m_html += m_captionRow;
            for (const CGuest* guest : guests)
                WriteRow(*guest);
        }
        m_html += QStringLiteral("</table>\r\n");
        return m_html;
    }

private:
    void WriteGroups(const QList<CGuest*>& guests)
    {
        const int perPage = m_options.PerPage();
        for (qsizetype first = 0; first < guests.size();) {
            const QString& group = guests.at(first)->GetGroupName();
            qsizetype end = first;
            while (end < guests.size() && guests.at(end)->GetGroupName() == group)
                ++end;
            if (m_rowsOnPage > 0 && m_rowsOnPage + (end - first) > perPage)
                NewPage();
            m_html += QStringLiteral("<tr><th colspan=") + QString::number(m_options.columns.size()) + QLatin1Char('>')
                    + HtmlText::Escape(group) + QStringLiteral("</th></tr>") + m_captionRow;
            for (qsizetype i = first; i < end; ++i)
                WriteRow(*guests.at(i));
            first = end;
        }
    }

    void WriteRow(const CGuest& guest)
    {
        if (m_rowsOnPage == m_options.PerPage()) {
            NewPage();
            m_html += m_captionRow;
        }
        QList<QString> cells;
        for (const int column : m_options.columns)
            cells.append(ReportColumns::Cell(m_document, guest, column));
        m_html += ReportPage::Row(cells);
        ++m_rowsOnPage;
    }

    void NewPage()
    {
        m_html += QStringLiteral("</table>\r\n<br>\r\n") + ReportPage::PageBreak() + QStringLiteral("\r\n") + m_tableOpen;
        m_rowsOnPage = 0;
    }

    const CNewZelDoc& m_document;
    const CReportOptions& m_options;
    Order m_order;
    QString m_tableOpen;
    QString m_captionRow;
    QString m_html;
    int m_rowsOnPage = 0;
};

}

QList<CGuest*> Guests(CNewZelDoc& document, const CReportOptions& options, Order order)
{
    const bool hideNotComing = document.AppSettings().GetDontShowNonCommingInGuestsReport();
    QList<CGuest*> guests;
    for (CGuest* guest : document.Guests()) {
        if (hideNotComing && guest->GetComing() == 0)
            continue;
        if (!options.filter.Matches(*guest))
            continue;
        if (order == Order::GuestsView && !options.viewFilter.Matches(*guest))
            continue;
        guests.append(guest);
    }
    if (order == Order::GuestsView) {
        if (options.viewSorted)
            GuestSort::Sort(guests, options.viewKey, options.viewAscending);
        return guests;
    }
    QList<std::pair<QString, CGuest*>> keyed;
    keyed.reserve(guests.size());
    for (CGuest* guest : guests)
        keyed.append({Key(*guest, order), guest});
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 0; i < keyed.size(); ++i)
        guests[i] = keyed.at(i).second;
    return guests;
}

QString Html(CNewZelDoc& document, const CReportOptions& options, Order order)
{
    const QList<CGuest*> guests = Guests(document, options, order);
    QString html = ReportPage::Open();
    html += CWriter(document, options, order).Write(guests);
    html += ReportPage::Summary(guests, document.Settings().GetKidsPresent());
    html += ReportPage::Close();
    return html;
}

}
