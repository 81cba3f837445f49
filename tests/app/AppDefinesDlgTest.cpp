// The settings dialog: what it shows for the stored values and what its OK stores.
#include "AppTestSupport.h"

#include "app/ui/AppDefinesDlg.h"
#include "data/records/StringHint.h"
#include "data/document/ViewHint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Keeps the names carried by hint 18.
struct CHintRecorder
{
    explicit CHintRecorder(CNewZelDoc& document)
    {
        QObject::connect(&document, &CNewZelDoc::Hint, [this](QObject*, int hint, CHintObject* object) {
            if (hint == HINT_SETTING_CHANGED)
                names << static_cast<CStringHint*>(object)->GetText();
        });
    }
    QStringList names;
};

}

TEST(AppDefinesDlg, AnIntervalOfFifteenOpensAsTenMinutes)
{
    CFrameFixture fixture;
    fixture.document->AppSettings().SetBackUpEvery(15);
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    EXPECT_TRUE(dialog.Backup()->isChecked());
    EXPECT_EQ(dialog.Interval()->currentText(), QStringLiteral("10 דקות"));
    dialog.accept();
    EXPECT_EQ(fixture.document->AppSettings().GetBackUpEvery(), 10);
}

TEST(AppDefinesDlg, StoresEveryControlAndAsksForTheTimerToRestart)
{
    CFrameFixture fixture;
    CAppSettings& app = fixture.document->AppSettings();
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    int reArms = 0;
    QObject::connect(&dialog, &CAppDefinesDlg::ReArmBackupTimer, [&reArms]() { ++reArms; });
    EXPECT_EQ(dialog.Interval()->currentText(), QStringLiteral("10 דקות"));
    dialog.AutoSave()->setChecked(false);
    dialog.CheckUpdates()->setChecked(false);
    dialog.HideInTables()->setChecked(true);
    dialog.HideInGuests()->setChecked(true);
    dialog.Kids()->setText(QStringLiteral("30"));
    dialog.Interval()->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(app.GetAutoSaveOnExit());
    EXPECT_FALSE(app.GetCheckForUpdates());
    EXPECT_TRUE(app.GetDontShowNonCommingInTableReport());
    EXPECT_TRUE(app.GetDontShowNonCommingInGuestsReport());
    EXPECT_EQ(app.GetBackUpEvery(), 5);
    EXPECT_EQ(fixture.document->Settings().GetKidsPresent(), 30);
    EXPECT_EQ(reArms, 1);
}

TEST(AppDefinesDlg, TheIntervalListFollowsTheBackupBox)
{
    CFrameFixture fixture;
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    EXPECT_TRUE(dialog.Interval()->isEnabled());
    dialog.Backup()->setChecked(false);
    EXPECT_FALSE(dialog.Interval()->isEnabled());
    dialog.accept();
    EXPECT_EQ(fixture.document->AppSettings().GetBackUpEvery(), 0);
}

TEST(AppDefinesDlg, KidsOutsideOneToNinetyNineAreRefused)
{
    CFrameFixture fixture;
    for (const char* value : {"0", "100", ""}) {
        CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
        fixture.messages.Forget();
        dialog.Kids()->setText(QString::fromLatin1(value));
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << value;
        EXPECT_EQ(fixture.messages.ShownMessages().size(), 1) << value;
        EXPECT_EQ(fixture.document->Settings().GetKidsPresent(), 50) << value;
    }
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    dialog.Kids()->setText(QStringLiteral("99"));
    dialog.accept();
    EXPECT_EQ(fixture.document->Settings().GetKidsPresent(), 99);
}

TEST(AppDefinesDlg, TellsTheViewsWhenTheToolTipsChange)
{
    CFrameFixture fixture;
    CHintRecorder hints(*fixture.document);
    {
        CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
        dialog.accept();
    }
    EXPECT_TRUE(hints.names.isEmpty());
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    dialog.ShowTips()->setChecked(false);
    dialog.accept();
    EXPECT_EQ(hints.names, QStringList{QStringLiteral("ShowTips")});
    EXPECT_FALSE(fixture.document->AppSettings().GetShowTips());
}

TEST(AppDefinesDlg, CancelChangesNothing)
{
    CFrameFixture fixture;
    CAppDefinesDlg dialog(*fixture.document, &fixture.messages);
    dialog.Backup()->setChecked(false);
    dialog.AutoSave()->setChecked(false);
    dialog.reject();
    EXPECT_EQ(fixture.document->AppSettings().GetBackUpEvery(), 10);
    EXPECT_TRUE(fixture.document->AppSettings().GetAutoSaveOnExit());
}
