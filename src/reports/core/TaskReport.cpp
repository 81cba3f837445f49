#include "reports/core/TaskReport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Task.h"
#include "data/settings/Language.h"
#include "reports/core/ReportPage.h"

namespace TaskReport {

QString Html(CNewZelDoc& document)
{
    const bool english = Language::IsEnglish();
    QString html = ReportPage::Open();
    html += english ? QStringLiteral("<h3 align=left>Task list</h3>\r\n") : QStringLiteral("<h3 align=right>רשימת משימות</h3>\r\n");
    html += QStringLiteral("<table border=1 width=\"100%\">\r\n");
    document.RootTask().WriteHtml(html);
    return html + QStringLiteral("</table>\r\n") + ReportPage::Close();
}

}
