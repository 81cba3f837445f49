#include "guests/ui/ImportGuestsOptionsDlg.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CImportGuestsOptionsDlg::CImportGuestsOptionsDlg(bool autoGroups, const QString& targetGroup, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("הגדרות יבוא מוזמנים"));
    m_auto = new QRadioButton(QStringLiteral("כאשר מיבאים מוזמן מקבוצה שאינה קיימת, קבוצה זו תתוסף אוטומטית."), this);
    m_target = new QRadioButton(QStringLiteral("כל המוזמנים שייובאו יוכנסו לקבוצה הבאה:"), this);
    m_group = new QLineEdit(targetGroup, this);
    (autoGroups ? m_auto : m_target)->setChecked(true);
    m_group->setEnabled(!autoGroups);
    connect(m_target, &QRadioButton::toggled, m_group, &QLineEdit::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_auto);
    layout->addWidget(m_target);
    layout->addWidget(m_group);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

bool CImportGuestsOptionsDlg::AutoGroups() const
{
    return m_auto->isChecked();
}

QString CImportGuestsOptionsDlg::TargetGroup() const
{
    return m_group->text().trimmed();
}
