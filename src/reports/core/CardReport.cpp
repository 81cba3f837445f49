#include "reports/core/CardReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "reports/core/CardStyle.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportColumns.h"
#include "reports/core/ReportPage.h"

namespace CardReport {

namespace {

QString LineRow(const QString& text)
{
    return (Language::IsEnglish() ? QStringLiteral("<tr><td>") : QStringLiteral("<tr><td align=right>")) + HtmlText::Escape(text)
         + QStringLiteral("</td></tr>");
}

QString Px(int value)
{
    return QString::number(value) + QStringLiteral("px");
}

}

Design StoredDesign(const CSettings& settings, Kind kind)
{
    Design design;
    if (kind == Kind::TableCards) {
        design.layout = settings.GetTableCard();
        design.fontFace = settings.Key(QStringLiteral("FontFaceTableTiket"));
        design.fontSize = settings.Key(QStringLiteral("FontSizeTableTiket")).toInt();
        design.fontColor = settings.Key(QStringLiteral("FontColorTableTiket"));
    } else {
        design.layout = settings.GetAddressCard();
        design.fontFace = settings.Key(QStringLiteral("FontFaceAddress"));
        design.fontSize = settings.Key(QStringLiteral("FontSizeAddress")).toInt();
    }
    if (design.fontFace.isEmpty())
        design.fontFace = QStringLiteral("Arial");
    return design;
}

bool StoreDesign(CSettings& settings, Kind kind, const Design& design)
{
    bool changed = false;
    if (kind == Kind::TableCards) {
        changed |= settings.SetTableCard(design.layout);
        changed |= settings.SetKey(QStringLiteral("FontFaceTableTiket"), design.fontFace);
        changed |= settings.SetKey(QStringLiteral("FontSizeTableTiket"), QString::number(design.fontSize));
        changed |= settings.SetKey(QStringLiteral("FontColorTableTiket"), design.fontColor);
    } else {
        changed |= settings.SetAddressCard(design.layout);
        changed |= settings.SetKey(QStringLiteral("FontFaceAddress"), design.fontFace);
        changed |= settings.SetKey(QStringLiteral("FontSizeAddress"), QString::number(design.fontSize));
    }
    return changed;
}

QString Style(const Design& design, Kind kind)
{
    const QString cls = kind == Kind::TableCards ? QStringLiteral("table.tableCard") : QStringLiteral("table.singleAddress");
    const CSettings::CardLayout& layout = design.layout;
    QString html = QStringLiteral("<style type=\"text/css\">\r\n<!--\r\n");
    html += kind == Kind::TableCards ? cls + QStringLiteral(" {\r\n") : cls + QStringLiteral(" \r\n{\r\n");
    html += QStringLiteral("\tborder: solid ") + CardStyle::Color(layout.borderColor) + QLatin1Char(' ') + Px(qMax(0, layout.borderSize))
          + QStringLiteral("; \r\n\twidth: ") + Px(layout.width) + QStringLiteral(";\r\n\theight: ") + Px(layout.height)
          + QStringLiteral(";\r\n}\r\n");
    html += cls + QStringLiteral(" td\r\n{\r\n\tfont-size: ") + Px(CardStyle::FontSize(design.fontSize))
          + QStringLiteral(";\r\n\tfont-family: ") + CardStyle::FontFace(design.fontFace) + QStringLiteral(";\r\n\tcolor: ")
          + CardStyle::Color(design.fontColor) + QStringLiteral(";\r\n}\r\n");
    html += QStringLiteral("#sideWidth1\r\n{\r\n\twidth: 10;\r\n}\r\n#sideWidth2\r\n{\r\n\twidth: 10;\r\n}\r\n-->\r\n</style>\r\n");
    return html;
}

QString TableCard(const CSettings::CardLayout& layout, const QString& name, const QString& tableNumber)
{
    QString html = QStringLiteral("<table class=\"tableCard\" ><tr><td align=center><table border=0>");
    html += LineRow(layout.line1) + LineRow(layout.line2);
    html += QStringLiteral("<tr><td align=center><b>") + HtmlText::Escape(name) + QStringLiteral("</b></td></tr><tr><td align=center>");
    html += HtmlText::Escape(layout.line4Start) + QStringLiteral(" <b>") + HtmlText::Escape(tableNumber) + QStringLiteral("</b> ")
          + HtmlText::Escape(layout.line4End);
    html += LineRow(layout.line5);
    html += QStringLiteral("<tr><td>&nbsp;</td></tr></td></tr></table></td></tr></table>\n");
    return html;
}

QString AddressLabel(const CSettings::CardLayout& layout, const QString& name, const QString& address)
{
    QString html = QStringLiteral("<table class=\"singleAddress\"><tr><td align=center>\r\n<table border=0>\r\n");
    html += LineRow(layout.line1) + QStringLiteral("\r\n") + LineRow(layout.line2) + QStringLiteral("\r\n");
    html += QStringLiteral("<tr><td align=center><b>") + HtmlText::Escape(name) + QStringLiteral("</b></td></tr>\r\n");
    html += QStringLiteral("<tr><td align=center><b>") + HtmlText::Escape(address) + QStringLiteral("</b></td></tr>\r\n");
    html += LineRow(layout.line5) + QStringLiteral("\r\n");
    html += QStringLiteral("<tr><td>&nbsp;</td></tr></table></td></tr></table>\r\n");
    return html;
}

QString Page(const Design& design, Kind kind, const QStringList& cards, int perRow, int rowsPerPage, bool envelopes)
{
    QString html = ReportPage::Head() + Style(design, kind) + ReportPage::Division();
    if (kind == Kind::AddressLabels && envelopes) {
        const QString open = Language::IsEnglish()
                               ? QStringLiteral("<table><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>\r\n<td>")
                               : QStringLiteral("<table dir=\"RTL\"><tr><td width=\"200\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>\r\n<td>");
        for (qsizetype i = 0; i < cards.size(); ++i) {
            if (i > 0)
                html += QStringLiteral("<p style=\"page-break-before: always\">");
            html += open + cards.at(i) + QStringLiteral("</td></tr></table>\r\n");
        }
        return html + ReportPage::Close();
    }
    perRow = qMax(1, perRow);
    rowsPerPage = qMax(1, rowsPerPage);
    html += QStringLiteral("<table><tr><td id='sideWidth1'></td><td>\r\n<table width=\"100%\"><tr>\r\n");
    int closedRows = 0;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (i > 0 && i % perRow == 0) {
            html += QStringLiteral("</tr>\r\n");
            if (++closedRows % rowsPerPage == 0)
                html += QStringLiteral("</table><p style=\"page-break-before: always\"></p><hr><table width=\"100%\">\r\n");
            html += QStringLiteral("<tr>\r\n");
        }
        html += QStringLiteral("<td>") + cards.at(i) + QStringLiteral("</td>");
    }
    html += kind == Kind::TableCards ? QStringLiteral("</tr></table>\r\n") : QStringLiteral("</tr></table><br>\r\n");
    html += QStringLiteral("</td><td id='sideWidth2'></td></tr></table>\r\n");
    return html + ReportPage::Close();
}

QString GuestName(const CGuest& guest, bool familyFirst)
{
    if (!familyFirst)
        return guest.GetFullName();
    if (guest.GetFamilyName().isEmpty() || guest.GetName().isEmpty())
        return guest.GetFullName();
    return (guest.GetFamilyName() + QLatin1Char(' ') + guest.GetName()).trimmed();
}

QString Html(CNewZelDoc& document, Kind kind, int perRow, int rowsPerPage, bool familyFirst, bool envelopes)
{
    const Design design = StoredDesign(document.Settings(), kind);
    QStringList cards;
    for (const CGuest* guest : document.Guests()) {
        const QString name = GuestName(*guest, familyFirst);
        cards.append(kind == Kind::TableCards
                         ? TableCard(design.layout, name, QString::number(ReportColumns::GuestHallNumber(document, *guest)))
                         : AddressLabel(design.layout, name, guest->GetAddress()));
    }
    return Page(design, kind, cards, perRow, rowsPerPage, envelopes);
}

}
