#include "reports/core/ApprovalNotesReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "guests/core/GuestVerification.h"
#include "approvals/core/ApprovalsSite.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportPage.h"

namespace ApprovalNotesReport {

namespace {

QString Note(const CGuest& guest, const QString& eventCode, const QString& page)
{
    const QString name = HtmlText::Escape(guest.GetFullName());
    const QString code = QString::number(guest.GetUniqueId());
    if (Language::IsEnglish())
        return QStringLiteral("<td dir=\"ltr\" align=left>") + name + QStringLiteral(" Hello<br>")
             + QStringLiteral("Our invitation approvals are computed<br>")
             + QStringLiteral("Please approve your invitation using the following detail:<br>")
             + QStringLiteral("The web site :<br>") + page + QStringLiteral("<br>")
             + QStringLiteral("Event Code: ") + eventCode + QStringLiteral("<br>") + QStringLiteral("Guest ID: ") + code
             + QStringLiteral("<br></td>");
    return QStringLiteral("<td dir=\"rtl\" align=right>") + name + QStringLiteral(" שלום רב<br>")
         + QStringLiteral("אישורי ההזמנות בארוע שלנו הינם ממוחשבים<br>")
         + QStringLiteral("אנא אשרו את ההזמנה בעזרת הפרטים הבאים:<br>") + QStringLiteral("אתר האינטרנט שבו מאשרים:<br>")
         + page + QStringLiteral("<br>") + QStringLiteral("קוד הארוע: ") + eventCode + QStringLiteral("<br>")
         + QStringLiteral("קוד המוזמן: ") + code + QStringLiteral("<br>") + QStringLiteral("אימות המוזמן: ")
         + QString::number(GuestVerification::Number(guest.GetUniqueId())) + QStringLiteral("<br></td>");
}

}

QString Html(CNewZelDoc& document)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open(english ? ReportPage::Charset::Plain : ReportPage::Charset::WithCodePage);
    html += english ? QStringLiteral("<h3 align=left>Cut these notes and send them with the invitations.<br>\r\n"
                                     "Each guest has its own 'guest id' and your 'event code'.</h3>\r\n")
                    : QStringLiteral("<h3 align=right>.פתקים אילו יש לגזור ולשלוח למוזמנים ביחד עם ההזמנות<br>\r\n"
                                     "לכל מוזמן יש את קוד המוזמן שלו ואת קוד הארוע שלכם</h3>\r\n");
    html += QStringLiteral("<table border=1 cellpadding=\"10\" cellspacing=\"10\" width=\"90%\" >\r\n");
    const QString eventCode = HtmlText::Escape(document.Settings().Key(QStringLiteral("EventCode")));
    // The page the SMS texts and the approval mail name too.
    const QString page = HtmlText::Escape(ApprovalsSite::ApprovePage(document.AppSettings()));
    const QList<CGuest*>& guests = document.Guests();
    for (qsizetype i = 0; i < guests.size(); i += 2) {
        html += QStringLiteral("<tr>") + Note(*guests.at(i), eventCode, page);
        if (i + 1 < guests.size())
            html += Note(*guests.at(i + 1), eventCode, page);
        html += QStringLiteral("</tr>\r\n");
    }
    return html + QStringLiteral("</table>\r\n") + ReportPage::Close();
}

}
