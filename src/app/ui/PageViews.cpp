#include "app/ui/PageViews.h"

#include "controls/GenericView.h"
#include "guests/ui/GuestsView.h"
#include "planner/ui/MeetingView.h"
#include "seating/ui/TablesView.h"

CGenericView* CreatePageView(int position, CNewZelDoc& document, IPlatform& platform, QWidget* parent)
{
    switch (position) {
    case CGuestsView::kPosition:
        return new CGuestsView(document, parent);
    case CTablesView::kPosition:
        return new CTablesView(document, parent);
    case CMeetingView::kPosition:
        return new CMeetingView(document, platform, parent);
    default:
        return new CGenericView(document, parent);
    }
}
