#include "reports/core/CardStyle.h"

#include <QRegularExpression>
#include <QStringList>

namespace CardStyle {

namespace {

// Recognised when stored, though the list does not offer them.
const QStringList kMoreNames = {QStringLiteral("violet"), QStringLiteral("hotpink"), QStringLiteral("mediumvioletred")};

}

QStringList ColorNames()
{
    return {QStringLiteral("red"),    QStringLiteral("blue"),   QStringLiteral("green"), QStringLiteral("black"),
            QStringLiteral("pink"),   QStringLiteral("orange"), QStringLiteral("yellow"), QStringLiteral("purple"),
            QStringLiteral("gray"),   QStringLiteral("springgreen")};
}

QStringList HebrewColorNames()
{
    return {QStringLiteral("אדום"), QStringLiteral("כחול"), QStringLiteral("ירוק"), QStringLiteral("שחור"),
            QStringLiteral("ורוד"), QStringLiteral("כתום"), QStringLiteral("צהוב"), QStringLiteral("סגול"),
            QStringLiteral("אפור"), QStringLiteral("ירוק נאון")};
}

QString ColorOfNumber(int blueGreenRed)
{
    const int red = blueGreenRed & 0xFF;
    const int green = (blueGreenRed >> 8) & 0xFF;
    const int blue = (blueGreenRed >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString Color(const QString& stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return ColorOfNumber(0);
    bool number = false;
    const int value = text.toInt(&number);
    if (number && value >= 0)
        return ColorOfNumber(value);
    const QString lower = text.toLower();
    if (ColorNames().contains(lower) || kMoreNames.contains(lower))
        return lower;
    static const QRegularExpression hex(QStringLiteral("^#([0-9A-Fa-f]{3}|[0-9A-Fa-f]{6})$"));
    if (hex.match(text).hasMatch())
        return text;
    return QStringLiteral("black");
}

int FontSize(int size)
{
    return size <= 0 ? 12 : size;
}

QString FontFace(const QString& stored)
{
    QString face;
    for (const QChar c : stored)
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char(','))
            face += c;
    face = face.trimmed();
    return face.isEmpty() ? QStringLiteral("Arial") : face;
}

}
