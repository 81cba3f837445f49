#pragma once

#include <QSpinBox>

// A number field with spin arrows in the manner of an edit box and its buddy spin control: typing
// is limited to a number of digits, the arrows run within their own range, and neither limits what
// the field holds. A value given from outside is shown as it is, whatever its size, so that the
// dialog's range check on OK can refuse it instead of it being changed unseen.
class CNumberSpinEdit : public QSpinBox
{
    Q_OBJECT

public:
    CNumberSpinEdit(int maxDigits, int arrowMin, int arrowMax, QWidget* parent = nullptr);

    int ArrowMinimum() const { return m_arrowMin; }
    int ArrowMaximum() const { return m_arrowMax; }

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;

private:
    int m_maxDigits;
    int m_arrowMin;
    int m_arrowMax;
};
