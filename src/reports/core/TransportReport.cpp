#include "reports/core/TransportReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportPage.h"

namespace TransportReport {

QString Name(int transport, int eventType)
{
    if (eventType == 0 && transport == 1)
        return QStringLiteral("הסעה צד הכלה");
    if (eventType == 0 && transport == 2)
        return QStringLiteral("הסעה צד החתן");
    return QStringLiteral("הסעה מס ") + QString::number(transport);
}

QString Html(CNewZelDoc& document)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open();
    html += english ? QStringLiteral("<h3 align=left>Transportation report</h3>\r\n") : QStringLiteral("<h3 align=right>דוח הסעות</h3>\r\n");
    const int eventType = document.Settings().GetEventType();
    for (int transport = 1; transport <= kTransports; ++transport) {
        html += QStringLiteral("<table border=1 width=\"100%\"><th colspan=3><font color=blue>\r\n") + Name(transport, eventType)
              + QStringLiteral("</font></th>");
        int number = 0;
        qint64 people = 0;
        for (const CGuest* guest : document.Guests()) {
            if (guest->GetTransport() != transport)
                continue;
            html += ReportPage::Row({QString::number(++number), HtmlText::Escape(guest->GetFullName()),
                                     QString::number(guest->GetComing())});
            people += guest->GetComing();
        }
        if (number == 0)
            html += QStringLiteral("<tr><td></td></tr>");
        html += (english ? QStringLiteral("<th colspan=3> Total guests in this transportation : ")
                         : QStringLiteral("<th colspan=3> סה\"כ בהסעה זו: "))
              + QString::number(people) + QStringLiteral("</th></table>\r\n<br>\r\n");
    }
    return html + ReportPage::Close();
}

}
