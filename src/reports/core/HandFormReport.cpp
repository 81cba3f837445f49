#include "reports/core/HandFormReport.h"

#include "data/settings/Language.h"
#include "reports/core/ReportPage.h"

namespace HandFormReport {

QString Html(int rows)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open();
    html += QStringLiteral("<h3 align=") + ReportPage::Align() + QLatin1Char('>')
          + (english ? QStringLiteral("Empty guests list that you can give to someone that does not have a computer")
                     : QStringLiteral("רשימת מוזמנים ידנית ריקה שניתן לתת למי שאין ברשותו מחשב"))
          + QStringLiteral("</h3>\r\n<table border=1 cellspacing=0 cellpadding=0>\r\n<tr>");
    const QStringList captions = english ? QStringList{QStringLiteral("Name"), QStringLiteral("Family Name"), QStringLiteral("Relation"),
                                                       QStringLiteral("Group"), QStringLiteral("Phone"), QStringLiteral("Address"),
                                                       QStringLiteral("Guests number"), QStringLiteral("Will Come")}
                                         : QStringList{QStringLiteral("יבואו"), QStringLiteral("מספר מוזמנים"), QStringLiteral("כתובת"),
                                                       QStringLiteral("טלפון"), QStringLiteral("קבוצה"), QStringLiteral("שיכות"),
                                                       QStringLiteral("שם משפחה"), QStringLiteral("שם")};
    for (const QString& caption : captions)
        html += QStringLiteral("<td align=center width=85 valign=top><FONT color=blue size=4>") + caption
              + QStringLiteral("</FONT></td>");
    html += QStringLiteral("</tr>\r\n");
    for (int row = 0; row < qMax(1, rows); ++row)
        html += QStringLiteral("<tr>") + QStringLiteral("<td>&nbsp;</td>").repeated(captions.size()) + QStringLiteral("</tr>\r\n");
    return html + QStringLiteral("</table>\r\n") + ReportPage::Close();
}

}
