#include "reports/core/TextEngineMarkup.h"

#include <QRegularExpression>

namespace TextEngineMarkup {

QString Adapt(const QString& html)
{
    static const QRegularExpression looseHeader(QStringLiteral("(?<!<tr>)(<th\\b[^>]*>.*?</th>)"),
                                                QRegularExpression::DotMatchesEverythingOption
                                                    | QRegularExpression::CaseInsensitiveOption);
    QString adapted = html;
    return adapted.replace(looseHeader, QStringLiteral("<tr>\\1</tr>"));
}

}
