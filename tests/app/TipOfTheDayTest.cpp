// The tip of the day: which tip shows, which one is remembered, and when none shows.
#include "AppTestSupport.h"

#include "app/ui/TipOfTheDayDlg.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Three tips; the second is in the Hebrew code page, as an older editor would save it.
QString WriteTips(const QTemporaryDir& dir)
{
    const QString folder = dir.filePath(QStringLiteral("Tips"));
    QDir().mkpath(folder);
    TestFiles::Write(folder + QStringLiteral("/1.txt"), QStringLiteral("טיפ ראשון\r\nשורה שניה\r\n").toUtf8());
    TestFiles::Write(folder + QStringLiteral("/2.txt"), TestFiles::Cp1255(QStringLiteral("טיפ שני")));
    TestFiles::Write(folder + QStringLiteral("/3.txt"), QByteArray("third"));
    return folder;
}

}

TEST(TipOfTheDay, ShowsTipsInTurnAndStartsOverAfterTheLast)
{
    QTemporaryDir dir;
    const QString folder = WriteTips(dir);
    CTipOfTheDayDlg dialog(folder, 1);
    EXPECT_EQ(dialog.TipText(), QStringLiteral("טיפ ראשון\nשורה שניה"));
    EXPECT_EQ(dialog.Item(), 2);
    dialog.ShowNextTip();
    EXPECT_EQ(dialog.TipText(), QStringLiteral("טיפ שני"));
    EXPECT_EQ(dialog.Item(), 3);
    dialog.ShowNextTip();
    EXPECT_EQ(dialog.TipText(), QStringLiteral("third"));
    EXPECT_EQ(dialog.Item(), 1);
    EXPECT_TRUE(dialog.ShowAtStart());
}

TEST(TipOfTheDay, AnItemBelowOneShowsTheFirstTipAndAMissingFileNothing)
{
    QTemporaryDir dir;
    const QString folder = WriteTips(dir);
    EXPECT_EQ(CTipOfTheDayDlg(folder, 0).TipText(), QStringLiteral("טיפ ראשון\nשורה שניה"));
    CTipOfTheDayDlg missing(folder, 7);
    EXPECT_TRUE(missing.TipText().isEmpty());
    EXPECT_EQ(missing.Item(), 1);
}

TEST(TipOfTheDay, StartUpRemembersTheNextTipAndTheCheckBox)
{
    CFrameFixture fixture;
    QTemporaryDir dir;
    const QString folder = WriteTips(dir);
    CAppSettings& settings = fixture.document->AppSettings();
    ASSERT_TRUE(settings.Key(QStringLiteral("TipOfDayItem")).isEmpty());

    QTimer::singleShot(0, []() {
        auto* dialog = qobject_cast<CTipOfTheDayDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("next"))->click();
        dialog->findChild<QCheckBox*>()->setChecked(false);
        dialog->accept();
    });
    CNewZelApp::ShowTipOfTheDay(*fixture.document, nullptr, folder);
    EXPECT_EQ(settings.Key(QStringLiteral("TipOfDayItem")), QStringLiteral("3"));
    EXPECT_EQ(settings.Key(QStringLiteral("ShowTipOfDay")), QStringLiteral("0"));

    // Switched off: no dialog opens and nothing is written.
    settings.SetKey(QStringLiteral("TipOfDayItem"), QStringLiteral("2"));
    CNewZelApp::ShowTipOfTheDay(*fixture.document, nullptr, folder);
    EXPECT_EQ(settings.Key(QStringLiteral("TipOfDayItem")), QStringLiteral("2"));
}

TEST(TipOfTheDay, TheProgramComesWithAtLeastADozenTips)
{
    const QString folder = QStringLiteral(RAVIVAZ_RESOURCES "/Tips");
    for (int i = 1; i <= 12; ++i) {
        CTipOfTheDayDlg dialog(folder, i);
        EXPECT_GT(dialog.TipText().size(), 40) << i;
        EXPECT_TRUE(dialog.TipText().contains(QChar(0x05D0)) || dialog.TipText().contains(QChar(0x05D4))) << i;
    }
}
