#include "seating/ui/WalkInGuestDlg.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CWalkInGuestDlg::CWalkInGuestDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("הוספת מוזמן שלא מופיע ברשימות"));
    m_name = new QLineEdit(this);
    m_family = new QLineEdit(this);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שם:"), m_name);
    form->addRow(QStringLiteral("משפחה:"), m_family);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    DialogHelpers::FitTitle(this);
}

QString CWalkInGuestDlg::Name() const
{
    return m_name->text().trimmed();
}

QString CWalkInGuestDlg::FamilyName() const
{
    return m_family->text().trimmed();
}
