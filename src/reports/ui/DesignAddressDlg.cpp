#include "reports/ui/DesignAddressDlg.h"

CDesignAddressDlg::CDesignAddressDlg(CNewZelDoc& document, QWidget* parent)
    : CCardDesignDlg(document, CardReport::Kind::AddressLabels, QStringLiteral("עיצוב כתובות למישלוח הזמנות"), parent)
{
}
