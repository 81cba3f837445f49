// The tool-tip markup of the string table turned into Qt rich text.
#include "controls/MarkupTooltip.h"

#include <QTextDocument>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

QString Rendered(const QString& markup)
{
    QTextDocument document;
    document.setHtml(CMarkupTooltip::ToHtml(markup));
    return document.toPlainText();
}

}

TEST(MarkupTooltip, TitleRuleAndExplanation)
{
    const QString html =
        CMarkupTooltip::ToHtml(QStringLiteral("<al_c><ct=0xFF0000><b>שמירה</b></ct><br><hr=100%><al_r>שמירת הארוע"));
    EXPECT_TRUE(html.contains(QStringLiteral("<div align=\"center\"><span style=\"color:#ff0000;font-weight:bold;\">שמירה</span>")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<hr width=\"100%\"/>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<div align=\"right\"><span>שמירת הארוע</span></div>")));

    QTextDocument document;
    document.setHtml(html);
    EXPECT_EQ(document.toPlainText().trimmed().split(QLatin1Char('\n')).first(), QStringLiteral("שמירה"));
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("שמירת הארוע")));
}

TEST(MarkupTooltip, TextIsEscapedAndUnknownTagsStayText)
{
    EXPECT_EQ(Rendered(QStringLiteral("a < b & <x> <ct=0xZZ0000>c")), QStringLiteral("a < b & <x> <ct=0xZZ0000>c"));
}

TEST(MarkupTooltip, BoldAndColourLastUntilTheirEnd)
{
    const QString html = CMarkupTooltip::ToHtml(QStringLiteral("<b>one<ct=0x0000ff>two</b>three"));
    EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"font-weight:bold;\">one</span>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color:#0000ff;font-weight:bold;\">two</span>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<span style=\"color:#0000ff;\">three</span>")));
}

TEST(MarkupTooltip, LineBreaksOfTheTextAndOfTheMarkup)
{
    EXPECT_EQ(Rendered(QStringLiteral("one\r\ntwo<br>three")), QStringLiteral("one\ntwo\nthree"));
}

TEST(MarkupTooltip, StringTableTextsResolveTheirPercentSigns)
{
    const QString html = CMarkupTooltip::FromStringTable(59727);
    EXPECT_TRUE(html.contains(QStringLiteral("<hr width=\"100%\"/>")));
    EXPECT_FALSE(html.contains(QStringLiteral("%%")));
    EXPECT_TRUE(html.contains(QStringLiteral(">שמירה</span>")));
}

TEST(MarkupTooltip, ARuleIsAShareOfTheWidthWithOrWithoutItsPercentSign)
{
    EXPECT_TRUE(CMarkupTooltip::ToHtml(QStringLiteral("<hr=100>")).contains(QStringLiteral("<hr width=\"100%\"/>")));
    EXPECT_TRUE(CMarkupTooltip::ToHtml(QStringLiteral("<hr=50%>")).contains(QStringLiteral("<hr width=\"50%\"/>")));
}
