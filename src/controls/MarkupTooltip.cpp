#include "controls/MarkupTooltip.h"

#include "data/settings/StringTable.h"

#include <QRegularExpression>

namespace {

struct Style
{
    QString align; // "center", "right" or empty for the default
    QString color; // "#rrggbb" or empty
    bool bold = false;
};

class CHtmlWriter
{
public:
    QString Finish()
    {
        CloseSpan();
        CloseBlock();
        return QStringLiteral("<qt>") + m_html + QStringLiteral("</qt>");
    }

    void Text(const QString& text, const Style& style)
    {
        if (text.isEmpty())
            return;
        if (!m_blockOpen || style.align != m_blockAlign) {
            CloseSpan();
            CloseBlock();
            OpenBlock(style.align);
        }
        if (!m_spanOpen || style.color != m_span.color || style.bold != m_span.bold) {
            CloseSpan();
            OpenSpan(style);
        }
        m_html += text.toHtmlEscaped();
    }

    void LineBreak(const Style& style)
    {
        CloseSpan();
        if (!m_blockOpen || style.align != m_blockAlign) {
            CloseBlock();
            OpenBlock(style.align);
        }
        m_html += QStringLiteral("<br/>");
    }

    void Rule(const QString& width)
    {
        CloseSpan();
        CloseBlock();
        m_html += QStringLiteral("<hr width=\"%1\"/>").arg(width);
    }

private:
    void OpenBlock(const QString& align)
    {
        m_html += align.isEmpty() ? QStringLiteral("<div>") : QStringLiteral("<div align=\"%1\">").arg(align);
        m_blockOpen = true;
        m_blockAlign = align;
    }

    void CloseBlock()
    {
        if (m_blockOpen)
            m_html += QStringLiteral("</div>");
        m_blockOpen = false;
    }

    void OpenSpan(const Style& style)
    {
        QString css;
        if (!style.color.isEmpty())
            css += QStringLiteral("color:%1;").arg(style.color);
        if (style.bold)
            css += QStringLiteral("font-weight:bold;");
        m_html += css.isEmpty() ? QStringLiteral("<span>") : QStringLiteral("<span style=\"%1\">").arg(css);
        m_spanOpen = true;
        m_span = style;
    }

    void CloseSpan()
    {
        if (m_spanOpen)
            m_html += QStringLiteral("</span>");
        m_spanOpen = false;
    }

    QString m_html;
    bool m_blockOpen = false;
    QString m_blockAlign;
    bool m_spanOpen = false;
    Style m_span;
};

// Applies one tag to the style; false when the text is no tag of the markup.
bool ApplyTag(const QString& tag, Style& style, CHtmlWriter& writer)
{
    static const QRegularExpression color(QStringLiteral("^ct=0x([0-9a-fA-F]{6})$"));
    static const QRegularExpression rule(QStringLiteral("^hr=(\\d{1,3})%?$"));
    const QString name = tag.toLower();
    if (name == QLatin1String("al_c"))
        style.align = QStringLiteral("center");
    else if (name == QLatin1String("al_r"))
        style.align = QStringLiteral("right");
    else if (name == QLatin1String("/al_c") || name == QLatin1String("/al_r"))
        style.align.clear();
    else if (name == QLatin1String("b"))
        style.bold = true;
    else if (name == QLatin1String("/b"))
        style.bold = false;
    else if (name == QLatin1String("/ct"))
        style.color.clear();
    else if (name == QLatin1String("br"))
        writer.LineBreak(style);
    else if (const auto match = color.match(name); match.hasMatch())
        style.color = QLatin1Char('#') + match.captured(1);
    else if (const auto match = rule.match(name); match.hasMatch())
        writer.Rule(match.captured(1) + QLatin1Char('%'));
    else
        return false;
    return true;
}

}

QString CMarkupTooltip::ToHtml(const QString& markup)
{
    CHtmlWriter writer;
    Style style;
    QString text;
    qsizetype i = 0;
    while (i < markup.size()) {
        const QChar c = markup[i];
        if (c == u'\r' || c == u'\n') {
            writer.Text(text, style);
            text.clear();
            writer.LineBreak(style);
            // CR LF is one line break.
            i += (c == u'\r' && i + 1 < markup.size() && markup[i + 1] == u'\n') ? 2 : 1;
            continue;
        }
        const qsizetype close = c == u'<' ? markup.indexOf(u'>', i + 1) : -1;
        if (close > i) {
            const QString tag = markup.mid(i + 1, close - i - 1);
            writer.Text(text, style);
            text.clear();
            if (ApplyTag(tag, style, writer)) {
                i = close + 1;
                continue;
            }
        }
        text += c;
        ++i;
    }
    writer.Text(text, style);
    return writer.Finish();
}

QString CMarkupTooltip::FromStringTable(int id)
{
    return ToHtml(StringTable::Fill(StringTable::Get(id), {}));
}
