#include "reports/core/HtmlText.h"

namespace HtmlText {

QString Escape(const QString& text)
{
    QString html;
    html.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '&':
            html += QLatin1String("&amp;");
            break;
        case '<':
            html += QLatin1String("&lt;");
            break;
        case '>':
            html += QLatin1String("&gt;");
            break;
        case '"':
            html += QLatin1String("&quot;");
            break;
        case '\r':
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            html += QLatin1String("<br>");
            break;
        case '\n':
            html += QLatin1String("<br>");
            break;
        default:
            html += c;
        }
    }
    return html;
}

}
