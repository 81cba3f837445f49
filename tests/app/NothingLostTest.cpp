#include "AppTestSupport.h"

#include "data/records/Guest.h"
#include "data/settings/StringTable.h"
#include "data/storage/DataFolderLock.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

const QString kInUseCaption = QStringLiteral("התוכנה כבר פתוחה");
const QString kInUseText = QStringLiteral(
    "נתוני התוכנה בספריה:\r\n%1\r\nכבר פתוחים בחלון אחר של התוכנה.\r\n\r\n"
    "כדי ששינויים לא ימחקו זה את זה, אפשר לעבוד על הנתונים רק מחלון אחד.\r\n"
    "עברו לחלון הפתוח, או סגרו אותו ופתחו את התוכנה שוב.");
const QString kRestoreCaption = QStringLiteral("שחזור שינויים שלא נשמרו");

TEST(NothingLost, TheTitleMarksUnsavedChanges)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    fixture.Activate();
    const QString title = StringTable::Get(59456);
    // A new event counts as changed until it is first saved.
    EXPECT_EQ(frame.windowHandle()->title(), title + "*");
    ASSERT_TRUE(fixture.document->SaveEvent());
    EXPECT_EQ(frame.windowHandle()->title(), title);
    fixture.document->AddGuest("Dana", "Levi", nullptr);
    EXPECT_EQ(frame.windowHandle()->title(), title + "*");
}

TEST(NothingLost, ASecondWindowOnAHeldDataFolderIsRefusedWithAMessage)
{
    QTemporaryDir dir;
    CDataFolderLock open(dir.path());
    ASSERT_EQ(open.TryTake(), CDataFolderLock::Result::Taken);
    CScriptedMessages messages;
    CDataFolderLock second(dir.path());
    EXPECT_FALSE(CNewZelApp::ClaimDataFolder(second, messages));
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text, kInUseText.arg(dir.path()));
    EXPECT_EQ(messages.ShownMessages()[0].caption, kInUseCaption);
    EXPECT_EQ(messages.ShownMessages()[0].buttons, MSG_OK);

    CDataFolderLock free(dir.path() + "/other");
    EXPECT_TRUE(CNewZelApp::ClaimDataFolder(free, messages));
    EXPECT_EQ(messages.ShownMessages().size(), 1);
}

// The real program on a data folder of its own, with its test hooks.
class RealProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // No tip of the day: nothing but the scripted answers may wait for the user.
        ASSERT_TRUE(TestFiles::Write(Data() + "/AppSettings.ini", "[KeySettings]\r\nShowTipOfDay=0\r\n"));
    }
    QString Data() const { return m_dir.path() + "/Data"; }

    void Start(QProcess& process, const QString& answers, const QString& typing)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("RAVIVAZ_TEST_ANSWERS", answers);
        if (!typing.isEmpty())
            environment.insert("RAVIVAZ_TEST_TYPING", typing);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(RAVIVAZ_PROGRAM), {"--lang", "he", "--data", Data()});
        ASSERT_TRUE(process.waitForStarted());
    }

    QTemporaryDir m_dir;
};

TEST_F(RealProgramTest, AKillMidTypingLosesNoGuestTypedFiveSecondsBeforeIt)
{
    QProcess typing;
    Start(typing, "", "1000,100");
    QElapsedTimer clock;
    clock.start();
    QList<QPair<qint64, QString>> typed;
    bool secondTried = false;
    QByteArray secondOutput;
    int secondExit = -1;
    while (typed.size() < 90 && typing.state() == QProcess::Running && clock.elapsed() < 60000) {
        typing.waitForReadyRead(1000);
        while (typing.canReadLine()) {
            const QString line = QString::fromUtf8(typing.readLine()).trimmed();
            if (line.startsWith("typed "))
                typed.append({clock.elapsed(), line.mid(6)});
        }
        if (!secondTried && typed.size() >= 20) {
            // A second window on the same data folder while the first is busy.
            secondTried = true;
            QProcess second;
            Start(second, "1", QString());
            ASSERT_TRUE(second.waitForFinished(30000));
            secondExit = second.exitCode();
            secondOutput = second.readAllStandardOutput();
        }
    }
    const qint64 killedAt = clock.elapsed();
    typing.kill();
    typing.waitForFinished();
    ASSERT_EQ(typed.size(), 90) << typing.readAllStandardError().constData();

    EXPECT_EQ(secondExit, 3);
    EXPECT_EQ(QString::fromUtf8(secondOutput),
              QStringLiteral("message [%1] %2 -> 1\n")
                  .arg(kInUseCaption, QString(kInUseText).arg(Data()).replace("\r\n", "\\n")));

    QProcess restarted;
    Start(restarted, "6", "0,100");
    ASSERT_TRUE(restarted.waitForFinished(60000));
    EXPECT_EQ(restarted.exitCode(), 0) << restarted.readAllStandardError().constData();
    const QString shown = QString::fromUtf8(restarted.readAllStandardOutput());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("message [%1] ").arg(kRestoreCaption))) << shown.toStdString();
    EXPECT_TRUE(shown.section('\n', 0, 0).endsWith(" -> 6")) << shown.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Data() + "/DB/WeddingData-recovery.xml"));
    EXPECT_FALSE(QFileInfo::exists(Data() + "/" + CDataFolderLock::FileName()));

    CDataLocation location(Data());
    CNewZelDoc document(location, nullptr);
    document.DiscardOnClose();
    document.LoadEvent();
    int early = 0;
    for (const auto& [when, name] : typed) {
        if (when >= killedAt - 5000)
            continue;
        ++early;
        EXPECT_NE(document.FindGuestByFullName(name), nullptr) << name.toStdString() << " typed at " << when
                                                               << " ms, killed at " << killedAt << " ms";
    }
    EXPECT_GE(early, 30);
}

}
