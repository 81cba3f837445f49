#include "finance/core/MoneyText.h"

namespace MoneyText {

QString Whole(double value)
{
    return QString::number(value, 'f', 0);
}

QString Rate(double rate)
{
    return QString::number(rate, 'f', 2);
}

QString OneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

QString TwoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

bool ParseAmount(const QString& text, int max, int& amount)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        amount = 0;
        return true;
    }
    // Beyond seven digits no amount is within a limit; the length check also keeps the number
    // from overflowing.
    if (trimmed.size() > 7)
        return false;
    for (const QChar c : trimmed)
        if (c < u'0' || c > u'9')
            return false;
    const int value = trimmed.toInt();
    if (value > max)
        return false;
    amount = value;
    return true;
}

}
