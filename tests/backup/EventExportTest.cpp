#include "BackupFixture.h"
#include "backup/core/EventExport.h"
#include "backup/core/EventMail.h"
#include "data/document/Platform.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kRefusedCaption = QStringLiteral("ספריה לא מתאימה");

class EventExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestFiles::Write(m_home.DataFolder() + "/events.ini", "[Events]\r\nActive=DB\r\n"));
        ASSERT_TRUE(TestFiles::Write(m_home.EventFolder() + "/Settings.ini", "[GenSettings]\r\nEveName=First\r\n"));
        ASSERT_TRUE(TestFiles::Write(m_home.DataFolder() + "/DB1/Settings.ini", "[GenSettings]\r\nEveName=Second\r\n"));
    }
    CNewZelDoc& Saved()
    {
        CNewZelDoc& document = m_home.Open();
        document.AddGuest("Dana", "Levi", nullptr);
        EXPECT_TRUE(document.SaveEvent());
        return document;
    }
    QString Target() const { return m_home.DataFolder() + "/../Out/Event"; }

    BackupFixture m_home;
};

TEST_F(EventExportTest, WritesTheEventFilesByteForByte)
{
    CNewZelDoc& document = Saved();

    EXPECT_EQ(CEventExport(document).Export(Target()), CEventExport::Result::Exported);

    EXPECT_EQ(BackupFixture::Snapshot(Target()), BackupFixture::Snapshot(m_home.EventFolder()));
    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].text, QStringLiteral("יצוא הנתונים הסתיים בהצלחה"));
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].caption, QStringLiteral("יצוא הנתונים הסתיים"));
}

TEST_F(EventExportTest, RefusesTheEventsOwnFolderAnotherEventsFolderAndTheDataFolder)
{
    CNewZelDoc& document = Saved();
    const QMap<QString, QByteArray> own = BackupFixture::Snapshot(m_home.EventFolder());
    const QMap<QString, QByteArray> other = BackupFixture::Snapshot(m_home.DataFolder() + "/DB1");
    CEventExport exporter(document);

    EXPECT_EQ(exporter.Export(m_home.EventFolder() + "/."), CEventExport::Result::Refused);
    EXPECT_EQ(exporter.Export(m_home.DataFolder() + "/DB1"), CEventExport::Result::Refused);
    EXPECT_EQ(exporter.Export(m_home.DataFolder()), CEventExport::Result::Refused);

    const auto& shown = m_home.Messages().ShownMessages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text, "לא ניתן לייצא את הנתונים לספריה:\r\n" + m_home.EventFolder() +
                                 "/.\r\nזוהי ספריית הנתונים של הארוע עצמו. אנא בחרו ספריה אחרת.");
    EXPECT_EQ(shown[1].text, "לא ניתן לייצא את הנתונים לספריה:\r\n" + m_home.DataFolder() +
                                 "/DB1\r\nזוהי ספריית הנתונים של הארוע \"Second\". אנא בחרו ספריה אחרת.");
    EXPECT_EQ(shown[2].text, "לא ניתן לייצא את הנתונים לספריה:\r\n" + m_home.DataFolder() +
                                 "\r\nזוהי ספריית הנתונים של התוכנה. אנא בחרו ספריה אחרת.");
    for (const auto& message : shown)
        EXPECT_EQ(message.caption, kRefusedCaption);
    EXPECT_EQ(BackupFixture::Snapshot(m_home.EventFolder()), own);
    EXPECT_EQ(BackupFixture::Snapshot(m_home.DataFolder() + "/DB1"), other);
}

TEST_F(EventExportTest, AsksBeforeReplacingAFolderThatHoldsAnEvent)
{
    CNewZelDoc& document = Saved();
    ASSERT_TRUE(TestFiles::Write(Target() + "/WeddingData.xml", "<WeddingData/>"));
    m_home.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});

    EXPECT_EQ(CEventExport(document).Export(Target()), CEventExport::Result::Declined);
    EXPECT_EQ(TestFiles::Read(Target() + "/WeddingData.xml"), "<WeddingData/>");
    EXPECT_EQ(CEventExport(document).Export(Target()), CEventExport::Result::Exported);
    EXPECT_EQ(TestFiles::Read(Target() + "/WeddingData.xml"), TestFiles::Read(m_home.EventFolder() + "/WeddingData.xml"));

    const auto& shown = m_home.Messages().ShownMessages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text, "הספריה:\r\n" + Target() + "\r\nכבר מכילה נתוני ארוע. האם להחליף אותם בנתוני הארוע הנוכחי?");
    EXPECT_EQ(shown[0].caption, QStringLiteral("להחליף נתונים קיימים?"));
    EXPECT_EQ(shown[0].buttons, MSG_YES_NO);
}

TEST_F(EventExportTest, AFolderThatCannotBeWrittenIsReportedOnce)
{
    CNewZelDoc& document = Saved();
    ASSERT_TRUE(TestFiles::Write(m_home.DataFolder() + "/../Out/File", "a file, not a folder"));

    EXPECT_EQ(CEventExport(document).Export(m_home.DataFolder() + "/../Out/File"), CEventExport::Result::Failed);

    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].text,
              QStringLiteral("תקלה קרתה תוך כדי יצוא הנתונים\r\nאנא ודאו שניתן לכתוב אל הסיפריה המבוקשת"));
}

// Keeps the message the mail program was given, and answers as told.
class MailPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString&) override { return false; }
    bool OpenFile(const QString&) override { return false; }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool ComposeMail(const QString& subject, const QString&, const QStringList& files) override
    {
        this->subject = subject;
        attachments = files;
        return composes;
    }
    QString ChooseFile(const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }

    bool composes = true;
    QString subject;
    QStringList attachments;
};

TEST_F(EventExportTest, MailAttachesTheFilesOnDiskAndTellsOfSuccess)
{
    CNewZelDoc& document = Saved();
    ASSERT_TRUE(TestFiles::Write(m_home.DataFolder() + "/AppSettings.ini", "[GenSettings]\r\n"));
    MailPlatform platform;

    EXPECT_TRUE(CEventMail(document, platform).Send());

    EXPECT_EQ(platform.subject, QStringLiteral("קבצי הנתונים של התוכנה \"Kalinoret\""));
    EXPECT_EQ(platform.attachments.join('\n').toStdString(),
              QStringList({m_home.EventFolder() + "/Settings.ini", m_home.DataFolder() + "/AppSettings.ini",
                           m_home.EventFolder() + "/Tasks.ini", m_home.EventFolder() + "/Checkpoint.ini", m_home.EventFolder() + "/WeddingData.xml"})
                  .join('\n')
                  .toStdString());
    ASSERT_EQ(m_home.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_home.Messages().ShownMessages()[0].caption, QStringLiteral("יצירת הודעת דואר הצליחה"));
}

TEST_F(EventExportTest, MailThatCouldNotBeMadeIsReportedAsAFailure)
{
    CNewZelDoc& document = Saved();
    document.AddGuest("Avi", "Cohen", nullptr);
    MailPlatform platform;
    platform.composes = false;
    m_home.Messages().Answer({MSG_RESULT_NO});

    EXPECT_FALSE(CEventMail(document, platform).Send());

    const auto& shown = m_home.Messages().ShownMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, QStringLiteral("ישנם שינוים בילתי שמורים.\r\nהאם לשמור לפני ביצוע יצוא הנתונים?"));
    EXPECT_EQ(shown[1].text, QStringLiteral("יצירת הודעת דואר נכשלה"));
    EXPECT_TRUE(document.IsModified());
}

}
