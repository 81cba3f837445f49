#include "seating/ui/TableLayoutSettingsDlg.h"

#include "controls/DialogHelpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

CTableLayoutSettingsDlg::CTableLayoutSettingsDlg(bool showTooltips, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("הגדרות תצוגה"));
    m_tooltips = new QCheckBox(QStringLiteral("הצג טיפים (ToolTips)"), this);
    m_tooltips->setChecked(showTooltips);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tooltips);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

bool CTableLayoutSettingsDlg::ShowTooltips() const
{
    return m_tooltips->isChecked();
}
