#include "reports/core/BudgetReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Offer.h"
#include "data/settings/Language.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportPage.h"

#include <climits>

namespace BudgetReport {

QString Html(CNewZelDoc& document, int option)
{
    if (option < 1 || option > COffer::kPlanCount)
        return QString();
    const bool english = Language::IsEnglish();
    const int guests = int(qMin<qint64>(document.SumInvited(), INT_MAX));
    QString html = ReportPage::Open();
    html += QStringLiteral("<table border=1 bordercolor=black witdh=\"100%\">")
          + (english ? QStringLiteral("<th colspan=3>Offer number ") : QStringLiteral("<th colspan=3>הצעה מספר "))
          + QString::number(option) + QStringLiteral("</th>");
    html += english ? ReportPage::Row({QStringLiteral("Number"), QStringLiteral("The offer"), QStringLiteral("The Sum")})
                    : ReportPage::Row({QStringLiteral("מס"), QStringLiteral("ההצעה"), QStringLiteral("הסכום")});
    int number = 0;
    qint64 total = 0;
    for (const COffer* offer : document.Offers()) {
        if (!offer->IsInPlan(option - 1))
            continue;
        const qint64 price = offer->GetPrice(guests);
        html += ReportPage::Row({QString::number(++number), HtmlText::Escape(offer->GetName()), QString::number(price)}, QString());
        total += price;
    }
    html += QStringLiteral("<th colspan=3> <font color=blue>") + (english ? QStringLiteral("Total ") : QStringLiteral("סה\"כ "))
          + QString::number(total) + QStringLiteral("</font></th></table>\r\n");
    return html + ReportPage::Close();
}

bool Write(CNewZelDoc& document, int option, const QString& path)
{
    const QString html = Html(document, option);
    return !html.isEmpty() && ReportFile::Write(path, html);
}

}
