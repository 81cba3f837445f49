#include "ReportFixture.h"

#include "reports/core/CardReport.h"
#include "reports/core/CardStyle.h"
#include "reports/core/GuestListReport.h"
#include "reports/core/HtmlText.h"
#include "reports/core/ReportCatalogue.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportsFolder.h"
#include "reports/core/SheetExport.h"
#include "reports/core/TableReport.h"
#include "reports/core/TextEngineMarkup.h"
#include "reports/core/TransportReport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString kHebrewBreak = QStringLiteral("<p style=\"page-break-before: always\"> ---- דף חדש ----");
const QString kCardBreak = QStringLiteral("<p style=\"page-break-before: always\"></p>");

}

TEST(ReportRules, EscapingReplacesMarkupCharactersAndLineBreaksOnly)
{
    EXPECT_EQ(HtmlText::Escape(QStringLiteral("<b>Tom & \"Jerry\"</b>")),
              QStringLiteral("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;"));
    EXPECT_EQ(HtmlText::Escape(QStringLiteral("a\r\nb\nc")), QStringLiteral("a<br>b<br>c"));
    const QString plain = QStringLiteral("דנה לוי 'x' 100%");
    EXPECT_EQ(HtmlText::Escape(plain), plain);
}

TEST(ReportRules, TheMarkupNameIsEscapedInEveryReport)
{
    for (const UiLanguage language : {UiLanguage::Hebrew, UiLanguage::English}) {
        CReportFixture event(language);
        CReportOptions options;
        options.columns = {0, 1};
        for (const ReportCatalogue::Entry& entry : ReportCatalogue::Entries()) {
            const QString html = ReportCatalogue::Generate(event.Doc(), entry.kind, options);
            EXPECT_FALSE(html.contains(QStringLiteral("<b>Tom"))) << entry.name;
            EXPECT_FALSE(html.contains(QStringLiteral("\"Jerry\""))) << entry.name;
            const bool listsGuests = entry.kind != ReportCatalogue::Kind::HandForm && entry.kind != ReportCatalogue::Kind::Tasks
                                  && entry.kind != ReportCatalogue::Kind::Expenses && entry.kind != ReportCatalogue::Kind::Budget1
                                  && entry.kind != ReportCatalogue::Kind::Budget2 && entry.kind != ReportCatalogue::Kind::Budget3;
            if (listsGuests) {
                EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;"))) << entry.name;
            }
        }
    }
}

TEST(ReportRules, TwentyFiveGuestsAtTenAPageBreakAfterTheTenthAndTheTwentieth)
{
    CReportFixture event(UiLanguage::Hebrew, false);
    for (int n = 1; n <= 25; ++n)
        event.AddGuest(QStringLiteral("G%1").arg(n, 2, 10, QLatin1Char('0')), QStringLiteral("F"));
    CReportOptions options;
    options.columns = {0};
    options.perPage = 10;
    const QString html = GuestListReport::Html(event.Doc(), options, GuestListReport::Order::FirstName);
    ASSERT_EQ(html.count(kHebrewBreak), 2);
    const qsizetype first = html.indexOf(kHebrewBreak);
    const qsizetype second = html.indexOf(kHebrewBreak, first + 1);
    EXPECT_LT(html.indexOf(QStringLiteral(">G10<")), first);
    EXPECT_GT(html.indexOf(QStringLiteral(">G11<")), first);
    EXPECT_LT(html.indexOf(QStringLiteral(">G20<")), second);
    EXPECT_GT(html.indexOf(QStringLiteral(">G21<")), second);
    // A new page opens a new table with the captions.
    EXPECT_EQ(html.count(QStringLiteral("<FONT color=blue size=4>שם</FONT>")), 3);
}

TEST(ReportRules, RecordsPerPageAndPerRowAreAtLeastOne)
{
    CReportOptions options;
    options.perPage = 0;
    options.perRow = -3;
    EXPECT_EQ(options.PerPage(), 1);
    EXPECT_EQ(options.PerRow(), 1);
}

TEST(ReportRules, CateringMealsAreComputedInFloatingPoint)
{
    EXPECT_DOUBLE_EQ(ReportPage::CateringMeals(100, 10, 50), 95.0);
    CReportFixture event(UiLanguage::Hebrew, false);
    CGuest* guest = event.AddGuest(QStringLiteral("רבים"), QString(), 100);
    guest->SetKids(10);
    CReportOptions options;
    const QString html = GuestListReport::Html(event.Doc(), options, GuestListReport::Order::FamilyName);
    EXPECT_TRUE(html.contains(QStringLiteral("<tr><td>95.00</td><td align=right>מספר מנות כולל עבור הקיטרינג</td></tr>\r\n")));
}

TEST(ReportRules, ATableWhoseGuestsAllStayAwayKeepsItsHeaderWithoutTheCount)
{
    CReportFixture event(UiLanguage::Hebrew, false);
    event.SetRealTables(2);
    event.AddGuest(QStringLiteral("א"), QStringLiteral("ב"), 0, 1);
    event.AddGuest(QStringLiteral("ג"), QStringLiteral("ד"), 0, 1);
    event.AddGuest(QStringLiteral("ה"), QStringLiteral("ו"), 3, 2);
    event.Doc().AppSettings().SetDontShowNonCommingInTableReport(true);
    const QString html = TableReport::Html(event.Doc(), TableReport::Order::ById);
    EXPECT_TRUE(html.contains(QStringLiteral("<th colspan=4 align=right><font color=blue>שולחן 1 - T1</font></th></table>")));
    EXPECT_EQ(html.count(QStringLiteral("מספר מוזמנים בשולחן זה")), 1);
    EXPECT_FALSE(html.contains(QStringLiteral("0 - א ב")));
    event.Doc().AppSettings().SetDontShowNonCommingInTableReport(false);
    EXPECT_TRUE(TableReport::Html(event.Doc(), TableReport::Order::ById).contains(QStringLiteral("0 - א ב")));
}

TEST(ReportRules, TheUnseatedGuestsNeverAppearInATableReport)
{
    CReportFixture event(UiLanguage::English, false);
    event.SetRealTables(1);
    event.AddGuest(QStringLiteral("Seated"), QStringLiteral("One"), 2, 1);
    event.AddGuest(QStringLiteral("Nowhere"), QStringLiteral("Two"), 2, 0);
    for (const auto order : {TableReport::Order::ById, TableReport::Order::ByHallNumber}) {
        EXPECT_TRUE(TableReport::Html(event.Doc(), order).contains(QStringLiteral("Seated One")));
        EXPECT_FALSE(TableReport::Html(event.Doc(), order).contains(QStringLiteral("Nowhere")));
        EXPECT_FALSE(TableReport::Text(event.Doc(), order).contains(QStringLiteral("Nowhere")));
    }
}

TEST(ReportRules, TransportNamesFollowTheEventType)
{
    EXPECT_EQ(TransportReport::Name(1, 0), QStringLiteral("הסעה צד הכלה"));
    EXPECT_EQ(TransportReport::Name(2, 0), QStringLiteral("הסעה צד החתן"));
    EXPECT_EQ(TransportReport::Name(3, 0), QStringLiteral("הסעה מס 3"));
    EXPECT_EQ(TransportReport::Name(1, 1), QStringLiteral("הסעה מס 1"));
    EXPECT_EQ(TransportReport::Name(2, 2), QStringLiteral("הסעה מס 2"));
    CReportFixture event(UiLanguage::Hebrew, false);
    event.Doc().Settings().SetEventType(0);
    const QString html = TransportReport::Html(event.Doc());
    EXPECT_TRUE(html.contains(QStringLiteral("<font color=blue>\r\nהסעה צד הכלה</font></th><tr><td></td></tr>")));
    EXPECT_EQ(html.count(QStringLiteral("<table border=1 width=\"100%\">")), 5);
}

TEST(ReportRules, ExportsTurnTabsAndLineBreaksInsideAFieldIntoBlanks)
{
    const QString text = SheetExport::TabSeparated({{QStringLiteral("a\tb"), QStringLiteral("c\r\nd"), QStringLiteral("e\nf")}});
    EXPECT_EQ(text, QStringLiteral("a b\tc d\te f\t\r\n"));
}

TEST(ReportRules, TheGiftReportsKeepTheGuestsOutsideEveryGroupInOthers)
{
    CReportFixture event(UiLanguage::Hebrew);
    const QString byGroup = ReportCatalogue::Generate(event.Doc(), ReportCatalogue::Kind::GiftsByGroup, CReportOptions());
    const qsizetype others = byGroup.indexOf(QStringLiteral(">אחרים<"));
    ASSERT_GT(others, 0);
    EXPECT_GT(byGroup.indexOf(QStringLiteral("רון כהן")), others);
    const QString byRelation = ReportCatalogue::Generate(event.Doc(), ReportCatalogue::Kind::GiftsByRelation, CReportOptions());
    EXPECT_GT(byRelation.indexOf(QStringLiteral("רון כהן")), byRelation.indexOf(QStringLiteral(">אחרים<")));

    CReportFixture grouped(UiLanguage::Hebrew, false);
    grouped.AddGroups({QStringLiteral("משפחה")});
    grouped.AddGuest(QStringLiteral("א"), QStringLiteral("ב"), 2, 0, QStringLiteral("משפחה"), QStringLiteral("הכלה"));
    EXPECT_FALSE(ReportCatalogue::Generate(grouped.Doc(), ReportCatalogue::Kind::GiftsByGroup, CReportOptions())
                     .contains(QStringLiteral("אחרים")));
}

TEST(ReportRules, CardGridBreaksPagesOnlyBeforeAFollowingCard)
{
    CardReport::Design design;
    const auto page = [&design](int cards) {
        QStringList list;
        for (int i = 0; i < cards; ++i)
            list.append(QStringLiteral("card%1").arg(i));
        return CardReport::Page(design, CardReport::Kind::TableCards, list, 3, 2, false);
    };
    EXPECT_EQ(page(12).count(kCardBreak), 1);
    const QString thirteen = page(13);
    ASSERT_EQ(thirteen.count(kCardBreak), 2);
    EXPECT_LT(thirteen.indexOf(QStringLiteral("card5<")), thirteen.indexOf(kCardBreak));
    EXPECT_GT(thirteen.indexOf(QStringLiteral("card6<")), thirteen.indexOf(kCardBreak));
    EXPECT_GT(thirteen.indexOf(QStringLiteral("card12<")), thirteen.lastIndexOf(kCardBreak));
    EXPECT_EQ(page(6).count(kCardBreak), 0);
}

TEST(ReportRules, CardStylesAreWrittenAsSafeCss)
{
    EXPECT_EQ(CardStyle::Color(QStringLiteral("255")), QStringLiteral("#FF0000"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("16711680")), QStringLiteral("#0000FF"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("32768")), QStringLiteral("#008000"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("springgreen")), QStringLiteral("springgreen"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("hotpink")), QStringLiteral("hotpink"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("#12aBcD")), QStringLiteral("#12aBcD"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("red;} body {display:none")), QStringLiteral("black"));
    EXPECT_EQ(CardStyle::Color(QStringLiteral("chartreuse-ish")), QStringLiteral("black"));
    EXPECT_EQ(CardStyle::FontSize(0), 12);
    EXPECT_EQ(CardStyle::FontSize(-4), 12);
    EXPECT_EQ(CardStyle::FontSize(18), 18);

    CardReport::Design design;
    design.layout.borderColor = QStringLiteral("nonsense<");
    design.fontColor = QStringLiteral("255");
    design.fontFace = QStringLiteral("David; color: red");
    const QString style = CardReport::Style(design, CardReport::Kind::TableCards);
    EXPECT_TRUE(style.contains(QStringLiteral("\tborder: solid black 1px; \r\n\twidth: 220px;\r\n\theight: 150px;\r\n}")));
    EXPECT_TRUE(style.contains(QStringLiteral("\tfont-size: 12px;\r\n\tfont-family: David color red;\r\n\tcolor: #FF0000;\r\n}")));
}

TEST(ReportRules, AnUnseatedGuestsCardShowsTableZeroAndCardsShowTheHallNumber)
{
    CReportFixture event(UiLanguage::Hebrew);
    const QString html = CardReport::Html(event.Doc(), CardReport::Kind::TableCards, 3, 2, false, false);
    EXPECT_TRUE(html.contains(QStringLiteral("<b>מיכל</b></td></tr><tr><td align=center>שולחן <b>0</b> ")));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>דנה לוי</b></td></tr><tr><td align=center>שולחן <b>3</b> ")));
    const QString familyFirst = CardReport::Html(event.Doc(), CardReport::Kind::TableCards, 3, 2, true, false);
    EXPECT_TRUE(familyFirst.contains(QStringLiteral("<b>לוי דנה</b>")));
}

TEST(ReportRules, EnvelopeLabelsStandOnePerPage)
{
    CReportFixture event(UiLanguage::Hebrew);
    const QString html = CardReport::Html(event.Doc(), CardReport::Kind::AddressLabels, 3, 2, false, true);
    EXPECT_EQ(html.count(QStringLiteral("<table dir=\"RTL\"><tr><td width=\"200\">")), 5);
    EXPECT_EQ(html.count(QStringLiteral("<p style=\"page-break-before: always\">")), 4);
    EXPECT_FALSE(html.contains(QStringLiteral("sideWidth1'")));
}

TEST(ReportRules, TheReportsFolderProposesTheNextFreeNumber)
{
    TestFiles::ScopedHome home;
    const CReportsFolder folder(home.Path() + QStringLiteral("/Data"));
    CScriptedMessages messages;
    ASSERT_TRUE(folder.Ensure(&messages));
    EXPECT_TRUE(QFileInfo(home.Path() + QStringLiteral("/Data/Reports")).isDir());
    const QString first = folder.ProposedName(QStringLiteral("report"), QStringLiteral("xls"));
    EXPECT_EQ(first, home.Path() + QStringLiteral("/Data/Reports/report1.xls"));
    ASSERT_TRUE(TestFiles::Write(first, "x"));
    EXPECT_EQ(folder.ProposedName(QStringLiteral("report"), QStringLiteral("xls")),
              home.Path() + QStringLiteral("/Data/Reports/report2.xls"));
    EXPECT_TRUE(messages.ShownMessages().isEmpty());
}

TEST(ReportRules, AReportsFolderThatCannotBeMadeIsNamedToTheUser)
{
    TestFiles::ScopedHome home;
    ASSERT_TRUE(TestFiles::Write(home.Path() + QStringLiteral("/Data"), "a file, not a folder"));
    const CReportsFolder folder(home.Path() + QStringLiteral("/Data"));
    CScriptedMessages messages;
    EXPECT_FALSE(folder.Ensure(&messages));
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text, QStringLiteral("Cannot create reports folder: ") + folder.Path());
    EXPECT_EQ(messages.ShownMessages()[0].caption, QStringLiteral("Cannot create reports folder"));
}

TEST(ReportRules, AnUnwritableReportIsNotReportedAsWritten)
{
    CReportFixture event(UiLanguage::Hebrew);
    EXPECT_FALSE(ReportCatalogue::Write(event.Doc(), ReportCatalogue::Kind::Expenses, CReportOptions(),
                                        QStringLiteral("/nonexistent-folder/x.html")));
    EXPECT_FALSE(SheetExport::Write(QStringLiteral("/nonexistent-folder/x.xlsx"), SheetExport::Guests(event.Doc())));
}

TEST(ReportRules, ColumnsFilterAndCountsAreKeptInTheEventSettings)
{
    TestFiles::ScopedHome home;
    const QString path = home.Path() + QStringLiteral("/Settings.ini");
    CReportOptions options;
    options.columns = {3, 0, 21};
    options.perPage = 7;
    options.perRow = 4;
    options.filter.useGroup = true;
    options.filter.group = QStringLiteral("חברים");
    options.filter.useEmail = true;
    options.filter.hasEmail = false;
    ASSERT_TRUE(options.Save(path));
    CReportOptions loaded;
    loaded.Load(path);
    EXPECT_EQ(loaded.columns, (QList<int>{0, 3, 21}));
    EXPECT_EQ(loaded.perPage, 7);
    EXPECT_EQ(loaded.perRow, 4);
    EXPECT_TRUE(loaded.filter.useGroup);
    EXPECT_EQ(loaded.filter.group, QStringLiteral("חברים"));
    EXPECT_TRUE(loaded.filter.useEmail);
    EXPECT_FALSE(loaded.filter.hasEmail);
    EXPECT_FALSE(loaded.filter.useRelation);
    CReportOptions missing;
    missing.Load(home.Path() + QStringLiteral("/none.ini"));
    EXPECT_EQ(missing.columns.size(), 8);
}

TEST(ReportRules, HeaderCellsOutsideARowGetARowForTheTextEngineOnly)
{
    EXPECT_EQ(TextEngineMarkup::Adapt(QStringLiteral("<table border=1><th colspan=4>T</th><tr><td>a</td></tr><th colspan=4>n</th></table>")),
              QStringLiteral("<table border=1><tr><th colspan=4>T</th></tr><tr><td>a</td></tr><tr><th colspan=4>n</th></tr></table>"));
    const QString inRow = QStringLiteral("<tr><th colspan=2>group</th></tr>");
    EXPECT_EQ(TextEngineMarkup::Adapt(inRow), inRow);
}
