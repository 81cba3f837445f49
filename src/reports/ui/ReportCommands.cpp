#include "reports/ui/ReportCommands.h"

#include "controls/CommandIds.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"
#include "data/document/Platform.h"
#include "reports/core/SheetExport.h"
#include "reports/ui/PrintsView.h"
#include "reports/ui/ReportSaving.h"

#include <QWidget>

CReportCommands::CReportCommands(const CommandContext& context)
    : m_context(context)
{
}

bool CReportCommands::HandlesCommand(int command) const
{
    return command == ID_GUESTS_TO_EXCEL || command == ID_TABLES_TO_EXCEL || CPrintsView::IsReportCommand(command);
}

void CReportCommands::OnCommand(int command)
{
    if (command == ID_GUESTS_TO_EXCEL || command == ID_TABLES_TO_EXCEL) {
        Export(command == ID_TABLES_TO_EXCEL);
        return;
    }
    // The reports page shows the report: it is made the active page first.
    if (!m_context.showPage || !m_context.showPage(CPrintsView::kPosition))
        return;
    if (auto* view = m_context.frame.findChild<CPrintsView*>())
        view->OnCommand(command);
}

bool CReportCommands::Export(bool tables, const QString& chosenPath)
{
    CNewZelDoc& document = m_context.document;
    const QString path = chosenPath.isEmpty()
                           ? ReportSaving::AskPath(&m_context.frame, document.Location().GetDataFolder(), &m_context.messages,
                                                   QStringLiteral("Excel files (*.xls);;Excel workbooks (*.xlsx);;All files (*)"),
                                                   QStringLiteral("report"), QStringLiteral("xls"))
                           : chosenPath;
    if (path.isEmpty())
        return false;
    if (!ReportSaving::Checked(SheetExport::Write(path, tables ? SheetExport::Tables(document) : SheetExport::Guests(document)),
                               path, &m_context.messages))
        return false;
    m_context.platform.OpenFile(path);
    return true;
}
