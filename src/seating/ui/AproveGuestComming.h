#pragma once

#include <QDialog>

class CArrivalEdits;
class QSpinBox;

// "מוזמן זה הגיע לארוע": how many of the guest actually came.
class CAproveGuestComming : public QDialog
{
    Q_OBJECT

public:
    // Opens with count, at least 1; the rules refuse fewer than one on OK.
    CAproveGuestComming(const CArrivalEdits& rules, int count, QWidget* parent = nullptr);

    int Count() const;
    QSpinBox* CountField() const { return m_count; }

    void accept() override;

private:
    const CArrivalEdits& m_rules;
    QSpinBox* m_count = nullptr;
};
