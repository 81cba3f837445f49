#include "app/PageViews.h"

#include "controls/GenericView.h"

CGenericView* CreatePageView(int position, CNewZelDoc& document, QWidget* parent)
{
    switch (position) {
    default:
        return new CGenericView(document, parent);
    }
}
