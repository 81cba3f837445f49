#pragma once

#include "finance/core/PaymentPlan.h"

#include <QDialog>

class CNumberSpinEdit;
class IUserMessages;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "הוספת/עריכת תשלום": one payment of an expense.
class CExpencesDlg : public QDialog
{
    Q_OBJECT

public:
    CExpencesDlg(const CPaymentPlan::Row& payment, IUserMessages* messages, QWidget* parent = nullptr);

    CPaymentPlan::Row GetPayment() const;
    CNumberSpinEdit* ShekelsField() const { return m_shekels; }
    CNumberSpinEdit* DollarsField() const { return m_dollars; }
    QLineEdit* InfoField() const { return m_info; }
    QCheckBox* PaidBox() const { return m_paid; }
    QLabel* DateText() const { return m_dateText; }
    QPushButton* DateButton() const { return m_dateButton; }

    void accept() override;

private:
    void PickDate();

    IUserMessages* m_messages;
    ShortDate m_date;
    CNumberSpinEdit* m_shekels;
    CNumberSpinEdit* m_dollars;
    QLineEdit* m_info;
    QCheckBox* m_paid;
    QLabel* m_dateText;
    QPushButton* m_dateButton;
};
