#include "reports/core/ReportPage.h"

#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/settings/NumberText.h"

namespace ReportPage {

QString Head(Charset charset)
{
    QString html = QStringLiteral("<html><head>\r\n<meta http-equiv=\"Content-Type\" ");
    html += charset == Charset::WithCodePage ? QStringLiteral("content=\"text/html; charset=windows-1255\">")
                                             : QStringLiteral("content=\"text/html;\">");
    return html + QStringLiteral("\r\n</head>\r\n<body>");
}

QString Division()
{
    return Language::IsEnglish() ? QStringLiteral("<div align=\"Left\">") : QStringLiteral("<div align=\"Right\">");
}

QString Open(Charset charset)
{
    return Head(charset) + Division();
}

QString Close()
{
    return QStringLiteral("</div></body></html>");
}

QString PageBreak()
{
    return Language::IsEnglish() ? QStringLiteral("<p style=\"page-break-before: always\"> ---- Page Break ----")
                                 : QStringLiteral("<p style=\"page-break-before: always\"> ---- דף חדש ----");
}

QString Align()
{
    return Language::IsEnglish() ? QStringLiteral("left") : QStringLiteral("right");
}

QString Cell(const QString& html)
{
    return QStringLiteral("<td align=") + Align() + QLatin1Char('>') + html + QStringLiteral("</td>");
}

QString Row(const QList<QString>& cells, const QString& end)
{
    QString html = QStringLiteral("<tr>");
    const bool english = Language::IsEnglish();
    for (qsizetype i = 0; i < cells.size(); ++i)
        html += Cell(cells.at(english ? i : cells.size() - 1 - i));
    html += QStringLiteral("</tr>") + end;
    return html;
}

double CateringMeals(qint64 coming, qint64 kids, int kidsPresent)
{
    return double(coming) - (double(100 - kidsPresent) / 100.0) * double(kids);
}

QString Summary(const QList<CGuest*>& guests, int kidsPresent)
{
    qint64 invited = 0, coming = 0, kids = 0, chairs = 0;
    for (const CGuest* guest : guests) {
        invited += guest->GetInvited();
        coming += guest->GetComing();
        kids += guest->GetKids();
        chairs += guest->GetNeedKidsChair() ? 1 : 0;
    }
    const auto line = [](const QString& value, const QString& text) {
        return QStringLiteral("<tr><td>") + value + QStringLiteral("</td><td align=right>") + text
             + QStringLiteral("</td></tr>\r\n");
    };
    QString html = QStringLiteral("<br><br><div align=\"center\"><center><table border=1 width=\"60%\" >");
    html += QStringLiteral("<th colspan=2>סיכום</th>\r\n");
    html += line(QString::number(invited), QStringLiteral("מספר כולל של מוזמנים שהוזמנו"));
    html += line(QString::number(coming), QStringLiteral("מספר כולל של מוזמנים שיבואו"));
    html += line(QString::number(kids), QStringLiteral("מספר מנות ילדים"));
    html += line(QString::fromLatin1(NumberText::Fixed(CateringMeals(coming, kids, kidsPresent), 2)),
                 QStringLiteral("מספר מנות כולל עבור הקיטרינג"));
    html += line(QString::number(chairs), QStringLiteral("מספר כסאות ילדים"));
    html += QStringLiteral("</table></center></div>\r\n");
    return html;
}

}
