#pragma once

#include "reports/ui/CardDesignDlg.h"

// The designer of "למשלוח הזמנות": the label for sending each guest's invitation.
class CDesignAddressDlg : public CCardDesignDlg
{
    Q_OBJECT

public:
    explicit CDesignAddressDlg(CNewZelDoc& document, QWidget* parent = nullptr);
};
