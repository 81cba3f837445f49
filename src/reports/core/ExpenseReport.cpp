#include "reports/core/ExpenseReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Expence.h"
#include "data/settings/Language.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportPage.h"

namespace ExpenseReport {

namespace {

QString Text(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("&nbsp;") : HtmlText::Escape(text);
}

}

QString Html(CNewZelDoc& document)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open();
    html += english ? QStringLiteral("<h3 align=left>Excenses report</h3>\r\n") : QStringLiteral("<h3 align=right>דו\"ח הוצאות</h3>\r\n");
    html += QStringLiteral("<table border=1 width=\"100%\">\r\n");
    if (english)
        html += ReportPage::Row({QStringLiteral("ID"), QStringLiteral("The Payment"), QStringLiteral("Paid?"), QStringLiteral("Sum"),
                                 QStringLiteral("Date"), QStringLiteral("Payments"), QStringLiteral("Who Pays"),
                                 QStringLiteral("Comments")});
    else
        html += ReportPage::Row({QStringLiteral("מס"), QStringLiteral("התשלום"), QStringLiteral("?שולם"), QStringLiteral("שקלים"),
                                 QStringLiteral("דולרים"), QStringLiteral("תאריך"), QStringLiteral("תשלומים"),
                                 QStringLiteral("מי משלם"), QStringLiteral("הערות")});
    int number = 0;
    for (const CExpence* expense : document.Expenses()) {
        QList<QString> cells{QString::number(++number), Text(expense->GetName()), expense->GetPaidText()};
        if (english)
            cells.append(QString::number(expense->GetDollars()));
        else
            cells += {QString::number(expense->GetShekels()), QString::number(expense->GetDollars())};
        cells += {expense->GetDate().IsEmpty() ? QStringLiteral("&nbsp;") : expense->GetDate().ToText(), QString::number(expense->GetPaymentCount()), Text(expense->GetPayer()),
                  Text(expense->GetInfo())};
        html += ReportPage::Row(cells);
    }
    return html + QStringLiteral("</table>\r\n") + ReportPage::Close();
}

}
