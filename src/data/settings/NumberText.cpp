#include "data/settings/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>

namespace NumberText {

double LeadingDouble(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? QLocale::c().toDouble(match.capturedView(1)) : 0.0;
}

int LeadingInt(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?)(\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    qint64 value = 0;
    for (const QChar digit : match.capturedView(2))
        value = qMin<qint64>(value * 10 + digit.digitValue(), qint64(INT_MAX) + 1);
    if (match.capturedView(1) == u"-")
        return int(-value);
    return int(qMin<qint64>(value, INT_MAX));
}

QByteArray Fixed(double value, int decimals)
{
    // The largest double has 309 digits before the point.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return QByteArray(text, result.ptr - text);
}

}
