#include "controls/NumberSpinEdit.h"

#include <limits>

CNumberSpinEdit::CNumberSpinEdit(int maxDigits, int arrowMin, int arrowMax, QWidget* parent)
    : QSpinBox(parent)
    , m_maxDigits(maxDigits)
    , m_arrowMin(arrowMin)
    , m_arrowMax(arrowMax)
{
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setValue(arrowMin);
}

void CNumberSpinEdit::stepBy(int steps)
{
    const qint64 next = qint64(value()) + steps;
    setValue(int(qBound(qint64(m_arrowMin), next, qint64(m_arrowMax))));
    selectAll();
}

QValidator::State CNumberSpinEdit::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    // The value already shown stays acceptable, however long it is.
    if (input == textFromValue(value()))
        return QValidator::Acceptable;
    if (input.size() > m_maxDigits)
        return QValidator::Invalid;
    for (QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CNumberSpinEdit::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < m_arrowMax)
        enabled |= StepUpEnabled;
    if (value() > m_arrowMin)
        enabled |= StepDownEnabled;
    return enabled;
}
