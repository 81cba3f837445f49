#include "app/ui/PageViews.h"

#include "controls/GenericView.h"
#include "finance/ui/BudgetView.h"
#include "finance/ui/ExpencesView.h"
#include "finance/ui/GiftsView.h"
#include "finance/ui/MatanotDlg.h"
#include "guests/ui/GroupsView.h"
#include "guests/ui/GuestFilterDialog.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/ui/GuestsView.h"
#include "planner/ui/MeetingView.h"
#include "reports/ui/PrintsView.h"
#include "seating/ui/RealTimeView.h"
#include "seating/ui/SeatingChartView.h"
#include "seating/ui/GanDesignView.h"
#include "seating/ui/TablesView.h"

CGenericView* CreatePageView(int position, CNewZelDoc& document, IPlatform& platform, QWidget* parent)
{
    switch (position) {
    case CGuestsView::kPosition: {
        auto* view = new CGuestsView(document, parent);
        view->Tab2()->SetGiftEditor(
            [&document, view](CGuest& guest) { CMatanotDlg::Run(document, guest, view, view); });
        return view;
    }
    case CGroupsView::kPosition:
        return new CGroupsView(document, parent);
    case CGiftsView::kPosition:
        return new CGiftsView(document, parent);
    case CExpencesView::kPosition:
        return new CExpencesView(document, parent);
    case CTablesView::kPosition:
        return new CTablesView(document, parent);
    case CBudgetView::kPosition:
        return new CBudgetView(document, parent);
    case CSeatingChartView::kPosition:
        return new CSeatingChartView(document, parent);
    case CRealTimeView::kPosition:
        return new CRealTimeView(document, parent);
    case CGanDesignView::kPosition:
        return new CGanDesignView(document, platform, parent);
    case CMeetingView::kPosition:
        return new CMeetingView(document, platform, parent);
    case CPrintsView::kPosition: {
        auto* view = new CPrintsView(document, platform, parent);
        view->SetFilterEditor([&document](CGuestFilter& filter, QWidget* owner) {
            return CGuestFilterDialog(document, filter, owner).exec() == QDialog::Accepted;
        });
        return view;
    }
    default:
        return new CGenericView(document, parent);
    }
}
