#pragma once

#include "finance/core/BudgetEdits.h"

#include <QDialog>

class CNumberSpinEdit;
class COffer;
class IUserMessages;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// "הוספת הצעת מחיר" (for an edit "שינוי פרטים של הצעת מחיר"): a supplier's offer with a fixed
// price or a price per guest, for the current number of guests or for a number of its own.
class CAddOffer : public QDialog
{
    Q_OBJECT

public:
    // offer is null for a new one; category is the one chosen first.
    CAddOffer(const COffer* offer, const QStringList& categories, const QString& category, int guestCount,
              IUserMessages* messages, QWidget* parent = nullptr);

    CBudgetEdits::OfferValues Values() const;
    // The cost as the total field shows it.
    qint64 Cost() const;

    QLineEdit* NameField() const { return m_name; }
    QRadioButton* FixedButton() const { return m_fixed; }
    CNumberSpinEdit* FixedAmountField() const { return m_fixedAmount; }
    QRadioButton* PerGuestButton() const { return m_perGuest; }
    CNumberSpinEdit* PerGuestAmountField() const { return m_perGuestAmount; }
    QRadioButton* CurrentGuestsButton() const { return m_currentGuests; }
    QRadioButton* OwnGuestsButton() const { return m_ownGuests; }
    CNumberSpinEdit* OwnGuestsField() const { return m_ownGuestCount; }
    QLineEdit* TotalField() const { return m_total; }
    QComboBox* CategoryField() const { return m_category; }
    QPlainTextEdit* CommentsField() const { return m_comments; }

    void accept() override;

private:
    void UpdateFields();
    CNumberSpinEdit* AmountField() const;
    void Refuse(const QString& text, QWidget* field);

    IUserMessages* m_messages;
    int m_guestCount;
    QLineEdit* m_name;
    QRadioButton* m_fixed;
    CNumberSpinEdit* m_fixedAmount;
    QRadioButton* m_perGuest;
    CNumberSpinEdit* m_perGuestAmount;
    QRadioButton* m_currentGuests;
    QRadioButton* m_ownGuests;
    CNumberSpinEdit* m_ownGuestCount;
    QLineEdit* m_total;
    QComboBox* m_category;
    QPlainTextEdit* m_comments;
};
