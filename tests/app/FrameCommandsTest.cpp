// The routing of the main window's commands and the commands of the frame, the document and the
// application object.
#include "AppTestSupport.h"

#include "app/ui/AppDefinesDlg.h"
#include "controls/CommandIds.h"
#include "data/storage/DataLocation.h"
#include "data/records/Guest.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

CRecordingView* Recording(CMainFrame& frame, int position)
{
    return static_cast<CRecordingView*>(frame.View(position));
}

// A view that claims save for itself, to show that the active view comes first.
class CSavingView : public CGenericView
{
public:
    using CGenericView::CGenericView;
    bool HandlesCommand(int command) const override { return command == ID_FILE_SAVE; }
    void OnCommand(int) override { ++saves; }
    int saves = 0;
};

}

TEST(FrameCommands, QuickDeleteOnAnotherPageOnlySwitches)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1280, false, true);
    frame.ShowPage(4);
    frame.RouteCommand(33002);
    EXPECT_EQ(frame.ActivePosition(), 7);
    EXPECT_TRUE(Recording(frame, 7)->received.isEmpty()) << "nothing may be deleted";
    EXPECT_TRUE(Recording(frame, 4)->received.isEmpty());

    frame.RouteCommand(33002);
    EXPECT_EQ(Recording(frame, 7)->received, QList<int>{ID_OBJECT_DELETE}) << "already on the tables page";
}

TEST(FrameCommands, QuickAddAndEditAreAlwaysSent)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open(1000, false, true);
    frame.ShowPage(3);
    frame.RouteCommand(33003);
    EXPECT_EQ(frame.ActivePosition(), 4);
    EXPECT_EQ(Recording(frame, 4)->received, QList<int>{ID_OBJECT_ADD});
    frame.RouteCommand(33001);
    EXPECT_EQ(frame.ActivePosition(), 7);
    EXPECT_EQ(frame.Tabs()->currentWidget(), frame.TablesTabs());
    EXPECT_EQ(Recording(frame, 7)->received, QList<int>{ID_OBJECT_EDIT});
    frame.RouteCommand(33011);
    EXPECT_EQ(frame.ActivePosition(), 7) << "33011 and above switch nothing";
    EXPECT_EQ(Recording(frame, 7)->received, QList<int>{ID_OBJECT_EDIT});
}

TEST(FrameCommands, TheActiveViewComesFirstAndUnhandledCommandsAreDisabled)
{
    CFrameFixture fixture;
    CSavingView* saver = nullptr;
    fixture.general.Load(fixture.GeneralPath());
    CNewZelApp app(fixture.general, fixture.messages, fixture.platform);
    CMainFrame frame(*fixture.document, app, fixture.messages, fixture.platform, 1280,
                     [&saver](int position, CNewZelDoc& document, QWidget* parent) -> CGenericView* {
                         if (position != 5)
                             return new CGenericView(document, parent);
                         saver = new CSavingView(document, parent);
                         return saver;
                     });
    fixture.document->SetModified();
    frame.ShowPage(5);
    frame.RouteCommand(ID_FILE_SAVE);
    EXPECT_EQ(saver->saves, 1);
    EXPECT_TRUE(fixture.document->IsModified()) << "the view took the command, not the document";

    frame.ShowPage(3);
    frame.RouteCommand(ID_FILE_SAVE);
    EXPECT_FALSE(fixture.document->IsModified());
    EXPECT_EQ(saver->saves, 1);

    EXPECT_FALSE(frame.IsCommandEnabled(ID_EDIT_UNDO)) << "nobody keeps an undo history";
    EXPECT_TRUE(frame.IsCommandEnabled(ID_IMPORT)) << "the guests' import handler takes it";
    EXPECT_FALSE(frame.IsCommandEnabled(ID_OBJECT_DELETE)) << "a page without a delete of its own";
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.Bars().MenuAction(ID_MAIL_APPROVAL_DETAILS)->isEnabled()) << "the approvals handler takes it";
    EXPECT_TRUE(frame.Bars().MenuAction(ID_IMPORT)->isEnabled());
    EXPECT_TRUE(frame.Bars().MenuAction(ID_SETTINGS)->isEnabled());
}

TEST(FrameCommands, CtrlSSavesThroughItsAccelerator)
{
    CFrameFixture fixture;
    fixture.Open();
    fixture.Activate();
    fixture.document->SetModified();
    fixture.Key(Qt::Key_S);
    EXPECT_FALSE(fixture.document->IsModified());
    EXPECT_TRUE(QFile::exists(fixture.Location().GetFilePath(FC_WEDDING_DATA)));
}

TEST(FrameCommands, ClosingWithChangesAsksAndCancelKeepsEverything)
{
    CFrameFixture fixture;
    fixture.document->AppSettings().SetAutoSaveOnExit(false);
    CMainFrame& frame = fixture.Open();
    fixture.Activate();
    fixture.messages.Forget();
    fixture.document->AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), nullptr);
    const QString dataFile = fixture.Location().GetFilePath(FC_WEDDING_DATA);
    const QByteArray before = TestFiles::Read(dataFile);

    fixture.messages.Answer({MSG_RESULT_CANCEL});
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(fixture.document->IsModified());
    EXPECT_EQ(TestFiles::Read(dataFile), before);
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    const auto& question = fixture.messages.ShownMessages().first();
    EXPECT_EQ(question.text, QStringLiteral("ישנם שינוים בילתי שמורים. האם לשמור ?"));
    EXPECT_EQ(question.caption, QStringLiteral("שמירת שינוים?"));
    EXPECT_EQ(question.buttons, MSG_YES_NO_CANCEL);

    fixture.messages.Answer({MSG_RESULT_NO});
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(fixture.document->IsModified()) << "No closes without saving";
    EXPECT_FALSE(QString::fromUtf8(TestFiles::Read(dataFile)).contains(QStringLiteral("דנה")));
}

TEST(FrameCommands, ClosingAnsweredYesSaves)
{
    CFrameFixture fixture;
    fixture.document->AppSettings().SetAutoSaveOnExit(false);
    CMainFrame& frame = fixture.Open();
    fixture.document->AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), nullptr);
    fixture.messages.Forget();
    fixture.messages.Answer({MSG_RESULT_YES});
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(fixture.document->IsModified());
    QFile data(fixture.Location().GetFilePath(FC_WEDDING_DATA));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(data.readAll()).contains(QStringLiteral("דנה")));
}

TEST(FrameCommands, ClosingWithAutoSaveOrWithoutChangesAsksNothing)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    fixture.document->SaveEvent();
    fixture.messages.Forget();
    EXPECT_TRUE(frame.close());
    frame.show();
    fixture.document->SetModified();
    EXPECT_TRUE(fixture.document->AppSettings().GetAutoSaveOnExit());
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(fixture.document->IsModified());
    EXPECT_TRUE(fixture.messages.ShownMessages().isEmpty());
}

TEST(FrameCommands, TheBackupTimerIsOffAtZeroAndTheSettingsDialogReArmsIt)
{
    CFrameFixture fixture;
    fixture.document->AppSettings().SetBackUpEvery(0);
    CMainFrame& frame = fixture.Open();
    EXPECT_EQ(frame.BackupInterval(), 0);

    QTimer::singleShot(0, [&]() {
        auto* dialog = qobject_cast<CAppDefinesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->Backup()->isChecked());
        EXPECT_FALSE(dialog->Interval()->isEnabled());
        dialog->Backup()->setChecked(true);
        dialog->Interval()->setCurrentIndex(0);
        dialog->accept();
    });
    frame.RouteCommand(ID_SETTINGS);
    EXPECT_EQ(fixture.document->AppSettings().GetBackUpEvery(), 5);
    // The re-arm is posted to the frame: it takes effect once the loop runs.
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.BackupInterval(), 5 * 60000);

    QTimer::singleShot(0, [&]() {
        auto* dialog = qobject_cast<CAppDefinesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Backup()->setChecked(false);
        dialog->accept();
    });
    frame.RouteCommand(ID_SETTINGS);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.BackupInterval(), 0);
}

TEST(FrameCommands, ABackupTickSavesAndTakesACheckpoint)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    EXPECT_EQ(frame.BackupInterval(), 10 * 60000);
    const QDir backups(fixture.Location().GetBackupFolder());
    // The fresh event was never saved: its start-up checkpoint holds no data file.
    ASSERT_FALSE(QFile::exists(fixture.Location().GetFilePath(FC_WEDDING_DATA)));
    frame.BackupTick();
    EXPECT_TRUE(QFile::exists(fixture.Location().GetFilePath(FC_WEDDING_DATA)));
    EXPECT_FALSE(fixture.document->IsModified());
    const QStringList folders = backups.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_TRUE(QFile::exists(backups.filePath(folders.first() + QStringLiteral("/WeddingData.xml"))));
}

TEST(FrameCommands, MailGoesToTheGuestsWithAnAddress)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    CGuest* first = fixture.document->AddGuest(QStringLiteral("א"), QStringLiteral("ב"), nullptr);
    first->SetStatus(0);
    first->SetEmail(QStringLiteral("a@example.com"));
    fixture.document->AddGuest(QStringLiteral("ג"), QStringLiteral("ד"), nullptr);
    CGuest* third = fixture.document->AddGuest(QStringLiteral("ה"), QStringLiteral("ו"), nullptr);
    third->SetEmail(QStringLiteral("c@example.com"));
    third->SetStatus(1);
    // Added in this run, its answer still unset.
    fixture.document->AddGuest(QStringLiteral("ז"), QStringLiteral("ח"), nullptr)->SetEmail(QStringLiteral("d@example.com"));

    frame.RouteCommand(ID_MAIL_ALL_GUESTS);
    frame.RouteCommand(ID_MAIL_UNCONFIRMED);
    EXPECT_EQ(fixture.platform.calls,
              (QStringList{QStringLiteral("url mailto:a@example.com;c@example.com;d@example.com;"),
                           QStringLiteral("url mailto:a@example.com;d@example.com;")}));

    first->SetStatus(2);
    fixture.document->Guests().last()->SetStatus(1);
    fixture.messages.Forget();
    frame.RouteCommand(ID_MAIL_UNCONFIRMED);
    EXPECT_EQ(fixture.platform.calls.size(), 2);
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages().first().text, QStringLiteral("לא נימצאו מוזמנים העונים לקריטריון"));
    EXPECT_EQ(fixture.messages.ShownMessages().first().caption, QStringLiteral("לא נימצאו מוזמנים"));
}

TEST(FrameCommands, TheCalculatorIsLookedForWhenItsFileIsMissing)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    fixture.document->AppSettings().SetClacPath(QStringLiteral("/nowhere/calc"));
    fixture.messages.Forget();
    fixture.messages.Answer({MSG_RESULT_NO});
    frame.RouteCommand(ID_CALCULATOR);
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages().first().caption, QStringLiteral("איתור מחשבון"));
    EXPECT_EQ(fixture.messages.ShownMessages().first().buttons, MSG_YES_NO);
    EXPECT_TRUE(fixture.platform.calls.isEmpty());

    fixture.platform.SetChosenFile(QStringLiteral("/bin/sh"));
    fixture.messages.Answer({MSG_RESULT_YES});
    frame.RouteCommand(ID_CALCULATOR);
    EXPECT_EQ(fixture.document->AppSettings().GetClacPath(), QStringLiteral("/bin/sh"));
    EXPECT_EQ(fixture.platform.calls, (QStringList{QStringLiteral("choose file"), QStringLiteral("start /bin/sh")}));

    fixture.messages.Forget();
    frame.RouteCommand(ID_CALCULATOR);
    EXPECT_TRUE(fixture.messages.ShownMessages().isEmpty()) << "a calculator that exists starts at once";
    EXPECT_EQ(fixture.platform.calls.last(), QStringLiteral("start /bin/sh"));
}

TEST(FrameCommands, TheRealTimeCommandTakesEffectAtTheNextStart)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    fixture.messages.Forget();
    frame.RouteCommand(ID_REAL_TIME);
    EXPECT_TRUE(fixture.app->RealTimeNext());
    EXPECT_FALSE(frame.Layout().IsRealTime());
    EXPECT_EQ(CIniFile::ReadProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("REALTIME")),
              QStringLiteral("1"));
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages().first().caption, QStringLiteral("השינוי יתבצע אחרי פתיחה מחדש"));
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.Bars().MenuAction(ID_REAL_TIME)->isChecked());

    frame.RouteCommand(ID_REAL_TIME);
    EXPECT_EQ(CIniFile::ReadProfileString(fixture.GeneralPath(), QStringLiteral("General"), QStringLiteral("REALTIME")),
              QStringLiteral("0"));
}

TEST(FrameCommands, TheFirstShowingHidesTheStatusBarAndAsksForTheCouple)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    int asked = 0;
    QObject::connect(&frame, &CMainFrame::EventDetailsWanted, [&asked]() { ++asked; });
    fixture.Activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(frame.windowTitle(), StringTable::Get(59456) + "[*]");
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_TRUE(frame.Bars().ToolBar()->isVisible());
    frame.RouteCommand(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame.statusBar()->isVisible());
}
