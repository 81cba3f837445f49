#include "seating/ui/AproveGuestComming.h"

#include "seating/core/ArrivalEdits.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

CAproveGuestComming::CAproveGuestComming(const CArrivalEdits& rules, int count, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
{
    setWindowTitle(QStringLiteral("מוזמן זה הגיע לארוע"));
    m_count = new QSpinBox(this);
    m_count->setRange(0, 10000);
    m_count->setValue(qMax(1, count));
    m_count->selectAll();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("באו בפועל"), m_count);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    DialogHelpers::FitTitle(this);
}

int CAproveGuestComming::Count() const
{
    return m_count->value();
}

void CAproveGuestComming::accept()
{
    m_count->interpretText();
    if (!m_rules.CheckCount(Count())) {
        m_count->setFocus();
        return;
    }
    QDialog::accept();
}
