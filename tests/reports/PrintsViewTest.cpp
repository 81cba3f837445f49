#include "ReportFixture.h"

#include "ModalScript.h"
#include "planner/RecordingPlatform.h"

#include "controls/CommandIds.h"
#include "reports/ui/DesignTableCardsDlg.h"
#include "reports/ui/PrintsView.h"
#include "reports/ui/ReportCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class PrintsViewTest : public ::testing::Test
{
protected:
    PrintsViewTest()
        : m_view(m_event.Doc(), m_platform)
    {
        m_view.resize(1100, 700);
        m_view.show();
        QApplication::processEvents();
    }

    void ClickTab(int index)
    {
        QTabBar* tabs = m_view.Categories();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    CReportFixture m_event{UiLanguage::Hebrew};
    CRecordingPlatform m_platform;
    CPrintsView m_view;
};

}

TEST_F(PrintsViewTest, ChoosingAReportByMouseAndKeyShowsItFromAPrivateFolder)
{
    EXPECT_TRUE(m_view.Browser()->source().toLocalFile().endsWith(QStringLiteral("/DefaultReport.html")));
    ASSERT_EQ(m_view.Categories()->count(), 6);
    ClickTab(1);
    ASSERT_EQ(m_view.Reports()->count(), 2);
    EXPECT_EQ(m_view.Reports()->itemText(1), QStringLiteral("לפי מספר באולם"));
    m_view.Reports()->setFocus();
    QTest::keyClick(m_view.Reports(), Qt::Key_Down);
    QTest::keyClick(m_view.Reports(), Qt::Key_Down);
    ASSERT_TRUE(m_view.HasReport());
    EXPECT_EQ(m_view.CurrentKind(), ReportCatalogue::Kind::TablesByHallNumber);
    const QString shown = m_view.Browser()->source().toLocalFile();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/Tables321.html")));
    EXPECT_NE(QFileInfo(shown).absolutePath(), QDir::tempPath());
    EXPECT_TRUE(m_view.Browser()->toPlainText().contains(QStringLiteral("דוח שולחנות על פי המספר של השולחן באולם")));
}

TEST_F(PrintsViewTest, TheMenuCommandsPickTheirReport)
{
    ASSERT_TRUE(m_view.HandlesCommand(ID_REPORT_GUESTS_BY_FAMILY));
    EXPECT_TRUE(m_view.IsCommandEnabled(ID_REPORT_GUESTS_BY_FAMILY));
    m_view.OnCommand(ID_REPORT_GUESTS_BY_FAMILY);
    EXPECT_EQ(m_view.CurrentKind(), ReportCatalogue::Kind::GuestsByFamilyName);
    EXPECT_EQ(m_view.Categories()->currentIndex(), 0);
    EXPECT_EQ(m_view.Reports()->currentText(), QStringLiteral("לפי שם משפחה"));
    m_view.OnCommand(ID_REPORT_TABLES_BY_SERIAL);
    EXPECT_EQ(m_view.Categories()->currentIndex(), 1);
    EXPECT_TRUE(m_view.PreviewPath().endsWith(QStringLiteral("/Tables123.html")));
}

TEST_F(PrintsViewTest, RecordsPerPageStayAtLeastOneAndAreKept)
{
    m_view.OnCommand(ID_REPORT_GUESTS_BY_NAME);
    QSpinBox* perPage = m_view.PerPage();
    perPage->setFocus();
    perPage->selectAll();
    QTest::keyClicks(perPage, QStringLiteral("0"));
    QTest::keyClick(perPage, Qt::Key_Enter);
    EXPECT_GE(perPage->value(), 1);
    perPage->selectAll();
    QTest::keyClicks(perPage, QStringLiteral("2"));
    QTest::keyClick(perPage, Qt::Key_Enter);
    EXPECT_EQ(m_view.Options().perPage, 2);
    EXPECT_EQ(m_view.Browser()->toPlainText().count(QStringLiteral("---- דף חדש ----")), 2);
    CReportOptions stored;
    stored.Load(m_event.Doc().Location().GetFilePath(FC_SETTINGS));
    EXPECT_EQ(stored.perPage, 2);
}

TEST_F(PrintsViewTest, SavingAsksBeforeReplacingAFileAndNamesAFileItCouldNotWrite)
{
    m_view.OnCommand(ID_REPORT_TABLES_BY_SERIAL);
    const QString path = m_event.Home().Path() + QStringLiteral("/saved.html");
    ASSERT_TRUE(TestFiles::Write(path, "old"));
    CModalScript script;
    script.Then([path](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith(QStringLiteral("/Reports/HtmlReport1.html")));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->selectAll();
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(m_view.SaveHtml());
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("הקובץ שנבחר כבר קיים!\r\nהאם להמשיך?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("קובץ כבר קיים"));
    EXPECT_EQ(TestFiles::Read(path), QByteArray("old"));

    m_event.Messages().Forget();
    const QString unwritable = m_event.Home().Path() + QStringLiteral("/missing/folder/r.html");
    EXPECT_FALSE(m_view.SaveHtml(unwritable));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_TRUE(m_event.Messages().ShownMessages()[0].text.endsWith(unwritable));

    const QString text = m_event.Home().Path() + QStringLiteral("/tables.txt");
    ASSERT_TRUE(m_view.SaveText(text));
    EXPECT_TRUE(TestFiles::Read(text).startsWith("\xFF\xFE"));
    const QByteArray pdf = m_event.Home().Path().toUtf8() + "/tables.pdf";
    ASSERT_TRUE(m_view.SavePdf(QString::fromUtf8(pdf)));
    EXPECT_TRUE(TestFiles::Read(QString::fromUtf8(pdf)).startsWith("%PDF-"));
}

TEST_F(PrintsViewTest, TheSpreadsheetExportIsWrittenAndOpened)
{
    m_view.OnCommand(ID_REPORT_TABLES_BY_HALL);
    const QString path = m_event.Home().Path() + QStringLiteral("/tables.xls");
    ASSERT_TRUE(m_view.OpenInSpreadsheet(path));
    ASSERT_EQ(m_platform.opened, QStringList{path});
    EXPECT_TRUE(m_platform.contents[0].startsWith("\xFF\xFE"));
    EXPECT_TRUE(QString::fromUtf16(reinterpret_cast<const char16_t*>(m_platform.contents[0].constData() + 2))
                    .startsWith(QStringLiteral("שולחן מספר\t")));
}

TEST_F(PrintsViewTest, TheMenuExportsProposeTheNextNameOfTheReportsFolder)
{
    QWidget frame;
    CommandContext context{m_event.Doc(), m_event.Messages(), m_platform, frame, [](int) { return false; }};
    CReportCommands commands(context);
    ASSERT_TRUE(commands.HandlesCommand(ID_GUESTS_TO_EXCEL));
    ASSERT_TRUE(commands.HandlesCommand(ID_TABLES_TO_EXCEL));
    QStringList proposed;
    CModalScript script;
    for (int i = 0; i < 2; ++i)
        script.Then([&proposed](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            proposed.append(dialog->selectedFiles().value(0));
            static_cast<QDialog*>(dialog)->accept();
        });
    commands.OnCommand(ID_GUESTS_TO_EXCEL);
    commands.OnCommand(ID_TABLES_TO_EXCEL);
    ASSERT_EQ(proposed.size(), 2);
    const QString folder = m_event.Doc().Location().GetDataFolder() + QStringLiteral("/Reports/");
    EXPECT_EQ(proposed[0], folder + QStringLiteral("report1.xls"));
    EXPECT_EQ(proposed[1], folder + QStringLiteral("report2.xls"));
    EXPECT_EQ(m_platform.opened, proposed);
}

TEST_F(PrintsViewTest, TheCardDesignerPreviewsEveryChangeAndStoresItOnOk)
{
    CDesignTableCardsDlg dialog(m_event.Doc());
    dialog.show();
    QLineEdit* line1 = dialog.Line1();
    line1->setFocus();
    line1->selectAll();
    QTest::keyClicks(line1, QStringLiteral("Hello <all>"));
    EXPECT_TRUE(dialog.PreviewHtml().contains(QStringLiteral("<tr><td align=right>Hello &lt;all&gt;</td></tr>")));
    EXPECT_TRUE(dialog.Preview()->toPlainText().contains(QStringLiteral("Hello <all>")));
    EXPECT_TRUE(dialog.Preview()->toPlainText().contains(QStringLiteral("משפחת ישראלי")));
    dialog.BorderColor()->setCurrentIndex(dialog.BorderColor()->findText(QStringLiteral("כחול")));
    EXPECT_TRUE(dialog.PreviewHtml().contains(QStringLiteral("border: solid blue 1px;")));
    dialog.accept();
    EXPECT_EQ(m_event.Doc().Settings().GetTableCard().line1, QStringLiteral("Hello <all>"));
    EXPECT_EQ(m_event.Doc().Settings().GetTableCard().borderColor, QStringLiteral("blue"));
}

TEST_F(PrintsViewTest, AnUnknownStoredBorderColourSelectsNoEntry)
{
    CSettings::CardLayout layout = m_event.Doc().Settings().GetTableCard();
    layout.borderColor = QStringLiteral("chartreuse");
    m_event.Doc().Settings().SetTableCard(layout);
    CDesignTableCardsDlg dialog(m_event.Doc());
    EXPECT_EQ(dialog.BorderColor()->currentIndex(), -1);
    EXPECT_TRUE(dialog.PreviewHtml().contains(QStringLiteral("border: solid black 1px;")));
}
