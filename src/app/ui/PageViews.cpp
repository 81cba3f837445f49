#include "app/ui/PageViews.h"

#include "controls/GenericView.h"
#include "finance/ui/ExpencesView.h"
#include "guests/ui/GuestsView.h"
#include "seating/ui/TablesView.h"

CGenericView* CreatePageView(int position, CNewZelDoc& document, QWidget* parent)
{
    switch (position) {
    case CGuestsView::kPosition:
        return new CGuestsView(document, parent);
    case CExpencesView::kPosition:
        return new CExpencesView(document, parent);
    case CTablesView::kPosition:
        return new CTablesView(document, parent);
    default:
        return new CGenericView(document, parent);
    }
}
