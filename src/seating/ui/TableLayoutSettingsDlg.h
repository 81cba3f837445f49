#pragma once

#include <QDialog>

class QCheckBox;

// "הגדרות תצוגה" of the hall sketch: whether tooltips show over the tables.
class CTableLayoutSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    CTableLayoutSettingsDlg(bool showTooltips, QWidget* parent = nullptr);

    bool ShowTooltips() const;
    QCheckBox* TooltipsField() const { return m_tooltips; }

private:
    QCheckBox* m_tooltips;
};
