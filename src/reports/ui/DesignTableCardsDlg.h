#pragma once

#include "reports/ui/CardDesignDlg.h"

// The designer of "לסידור שולחנות": the card handed to each guest with the table number.
class CDesignTableCardsDlg : public CCardDesignDlg
{
    Q_OBJECT

public:
    explicit CDesignTableCardsDlg(CNewZelDoc& document, QWidget* parent = nullptr);
};
