#include "finance/ui/ExpencesDlg.h"

#include "finance/core/MoneyText.h"
#include "finance/ui/DatePickerDlg.h"

#include "controls/DialogHelpers.h"
#include "controls/NumberSpinEdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CExpencesDlg::CExpencesDlg(const CPaymentPlan::Row& payment, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_date(payment.date)
{
    setWindowTitle(QStringLiteral("הוספת/עריכת תשלום"));
    m_shekels = new CNumberSpinEdit(7, 0, MoneyText::kMaxExpenseShekels, this);
    m_shekels->setValue(payment.shekels);
    m_dollars = new CNumberSpinEdit(6, 0, MoneyText::kMaxExpenseDollars, this);
    m_dollars->setValue(payment.dollars);
    m_info = new QLineEdit(payment.info, this);
    m_paid = new QCheckBox(QStringLiteral("שולם"), this);
    m_paid->setChecked(payment.paid);
    m_dateText = new QLabel(m_date.ToText(), this);
    m_dateButton = new QPushButton(QStringLiteral("בחר תאריך"), this);
    connect(m_dateButton, &QPushButton::clicked, this, &CExpencesDlg::PickDate);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateText, 1);
    dateRow->addWidget(m_dateButton);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("סכום בשקלים:"), m_shekels);
    form->addRow(QStringLiteral("סכום בדולרים:"), m_dollars);
    form->addRow(QStringLiteral("הערה:"), m_info);
    form->addRow(QStringLiteral("תאריך תשלום"), dateRow);
    form->addRow(QString(), m_paid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    m_shekels->setFocus();
    m_shekels->selectAll();
}

void CExpencesDlg::PickDate()
{
    CDatePickerDlg picker(QStringLiteral("תאריך התשלום"), m_date, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    m_date = picker.GetDate();
    m_dateText->setText(m_date.ToText());
}

CPaymentPlan::Row CExpencesDlg::GetPayment() const
{
    return {m_shekels->value(), m_dollars->value(), m_paid->isChecked(), m_date, m_info->text()};
}

void CExpencesDlg::accept()
{
    if (!DialogHelpers::CheckRange(m_messages, m_shekels, 0, MoneyText::kMaxExpenseShekels)
        || !DialogHelpers::CheckRange(m_messages, m_dollars, 0, MoneyText::kMaxExpenseDollars))
        return;
    QDialog::accept();
}
