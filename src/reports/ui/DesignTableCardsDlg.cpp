#include "reports/ui/DesignTableCardsDlg.h"

CDesignTableCardsDlg::CDesignTableCardsDlg(CNewZelDoc& document, QWidget* parent)
    : CCardDesignDlg(document, CardReport::Kind::TableCards, QStringLiteral("עיצוב כרטיס לשולחן"), parent)
{
}
