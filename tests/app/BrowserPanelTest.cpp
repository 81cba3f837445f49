// The browser panels: a local page is shown, anything else is named with a link to open it.
#include "AppTestSupport.h"

#include "app/ui/BrowserPanel.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(BrowserPanel, TheNewsPageShowsALocalFile)
{
    CFrameFixture fixture;
    const QString page = fixture.DataFolder() + QStringLiteral("/news.html");
    TestFiles::Write(page, QStringLiteral("<html><body><p>חדשות החתונה</p></body></html>").toUtf8());
    TestFiles::Write(fixture.GeneralPath(),
                     TestFiles::Cp1255(QStringLiteral("[General]\r\nNewsTabName=חדשות\r\nNewsTabUrl=%1\r\n"
                                                      "[Buttons-label]\r\nLbl0=אתר\r\nLbl1=נסתר\r\n"
                                                      "[Buttons-content]\r\nCnt0=http://site.example.com\r\n"
                                                      "Cnt1=http://hidden.example.com\r\n[Buttons]\r\nBtn1=0\r\n")
                                           .arg(page)));
    CMainFrame& frame = fixture.Open();
    auto* panel = qobject_cast<CBrowserPanel*>(frame.View(10));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(frame.Tabs()->tabText(frame.Tabs()->indexOf(panel)), QStringLiteral("חדשות"));
    EXPECT_EQ(panel->LocalFile(), QFileInfo(page).absoluteFilePath());
    EXPECT_TRUE(panel->Browser()->toPlainText().contains(QStringLiteral("חדשות החתונה")));

    const QList<QPushButton*> buttons = panel->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1) << "only visible buttons with a label";
    buttons.first()->click();
    EXPECT_EQ(fixture.platform.calls, QStringList{QStringLiteral("url http://site.example.com")});
}

TEST(BrowserPanel, APageOnTheNetworkIsNamedNotShown)
{
    CFrameFixture fixture;
    TestFiles::Write(fixture.GeneralPath(),
                     QByteArray("[General]\r\nNewsTabName=News\r\nNewsTabUrl=http://news.example.com/\r\n"));
    CMainFrame& frame = fixture.Open();
    auto* panel = qobject_cast<CBrowserPanel*>(frame.View(10));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->LocalFile().isEmpty());
    EXPECT_TRUE(panel->Browser()->toHtml().contains(QStringLiteral("http://news.example.com/")));
    emit panel->Browser()->anchorClicked(QUrl(QStringLiteral("http://news.example.com/")));
    EXPECT_EQ(fixture.platform.calls, QStringList{QStringLiteral("url http://news.example.com/")});
}

TEST(BrowserPanel, TheAdvertisingPageExistsOnlyWithItsPage)
{
    CFrameFixture fixture;
    EXPECT_FALSE(fixture.Open().Layout().Has(2));
    TestFiles::Write(fixture.GeneralPath(), QByteArray("[Commercial]\r\nURL=http://ads.example.com/\r\n"));
    CMainFrame& frame = fixture.Open();
    ASSERT_TRUE(frame.Layout().Has(2));
    EXPECT_EQ(frame.Tabs()->tabText(0), QStringLiteral("פרסומת"));
    EXPECT_EQ(frame.Layout().Positions().first(), 2);
}
