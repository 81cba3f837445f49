#include "data/document/NewZelDoc.h"
#include "data/document/RecoveryCopy.h"
#include "data/records/Guest.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFile.h"
#include "data/storage/EventFileSet.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kQuestion = QStringLiteral(
    "נראה שהתוכנה לא נסגרה כראוי בפעם הקודמת, ושינויים בארוע זה לא נשמרו.\r\n"
    "עותק של השינויים נשמר באופן אוטומטי.\r\n\r\n"
    "האם לשחזר את השינויים מהעותק?\r\n"
    "(בחירה ב\"לא\" תמחק את העותק)");
const QString kCaption = QStringLiteral("שחזור שינויים שלא נשמרו");

class RecoveryCopyTest : public ::testing::Test
{
protected:
    QString EventFile(const QString& name) const { return m_home.DataFolder() + "/DB/" + name; }
    QString CopyPath() const { return EventFile("WeddingData-recovery.xml"); }

    std::unique_ptr<CNewZelDoc> Open()
    {
        auto doc = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        doc->LoadEvent();
        return doc;
    }
    // A saved event of two guests.
    void SaveTwoGuests()
    {
        auto doc = Open();
        doc->AddGuest("Dana", "Levi", nullptr);
        doc->AddGuest("Avi", "Cohen", nullptr);
        ASSERT_TRUE(doc->SaveEvent());
    }
    // The saved two guests, then a run that added a third and ended before saving it.
    void CrashWithAThirdGuestUnsaved()
    {
        SaveTwoGuests();
        auto crashed = Open();
        crashed->DiscardOnClose();
        CRecoveryCopy copy(*crashed);
        crashed->AddGuest("Noa", "Bar", nullptr);
        ASSERT_TRUE(copy.WriteNow());
    }
    // Runs the event loop until the copy's pending write is done.
    static void WaitForWrite(const CRecoveryCopy& copy)
    {
        const QDeadlineTimer deadline(30000);
        while (copy.IsWritePending() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    TestFiles::ScopedHome m_home;
    CDataLocation m_location;
    CScriptedMessages m_messages;
};

TEST_F(RecoveryCopyTest, TheDocumentTellsOfEveryEditAndOfEveryTurnOfTheFlag)
{
    SaveTwoGuests();
    auto doc = Open();
    int edits = 0;
    QList<bool> turns;
    QObject::connect(doc.get(), &CNewZelDoc::Edited, [&edits] { ++edits; });
    QObject::connect(doc.get(), &CNewZelDoc::ModifiedChanged, [&turns](bool modified) { turns << modified; });

    doc->AddGuest("Noa", "Bar", nullptr);
    doc->AddGroup("Family", nullptr);
    doc->SetModified(true);
    EXPECT_EQ(edits, 3);
    EXPECT_EQ(turns, QList<bool>({true}));

    ASSERT_TRUE(doc->SaveEvent());
    doc->SetModified(false);
    EXPECT_EQ(edits, 3);
    EXPECT_EQ(turns, QList<bool>({true, false}));
}

TEST_F(RecoveryCopyTest, AnEditIsCopiedShortlyAfterWithTheDataFileWriterAndTheEventFilesUntouched)
{
    SaveTwoGuests();
    auto doc = Open();
    CRecoveryCopy copy(*doc, 10);
    const QByteArray saved = TestFiles::Read(EventFile("WeddingData.xml"));
    const QStringList files = QDir(m_home.DataFolder() + "/DB").entryList(QDir::Files);

    EXPECT_FALSE(copy.IsWritePending());
    doc->AddGuest("Noa", "Bar", nullptr);
    EXPECT_TRUE(copy.IsWritePending());
    WaitForWrite(copy);

    EXPECT_EQ(TestFiles::Read(CopyPath()), CEventFile::Build(doc->Records()));
    EXPECT_EQ(TestFiles::Read(EventFile("WeddingData.xml")), saved);
    QStringList withCopy = QStringList(files) << "WeddingData-recovery.xml";
    withCopy.sort();
    EXPECT_EQ(QDir(m_home.DataFolder() + "/DB").entryList(QDir::Files), withCopy);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(RecoveryCopyTest, TheCopyIsNoFileOfTheEventSoBackupsLeaveIt)
{
    EXPECT_FALSE(EventFileSet::FileSet(true).contains(CRecoveryCopy::FileName()));
    SaveTwoGuests();
    auto doc = Open();
    CRecoveryCopy copy(*doc);
    doc->AddGuest("Noa", "Bar", nullptr);
    ASSERT_TRUE(copy.WriteNow());
    const QString checkpoint = EventFileSet::TakeCheckpoint(m_home.DataFolder() + "/DB", m_home.DataFolder() + "/BackUp");
    ASSERT_FALSE(checkpoint.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(checkpoint + "/WeddingData.xml"));
    EXPECT_FALSE(QFileInfo::exists(checkpoint + "/WeddingData-recovery.xml"));
}

TEST_F(RecoveryCopyTest, ASaveOrANormalEndRemovesTheCopy)
{
    SaveTwoGuests();
    auto doc = Open();
    CRecoveryCopy copy(*doc, 10);
    doc->AddGuest("Noa", "Bar", nullptr);
    ASSERT_TRUE(copy.WriteNow());
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(CopyPath()));

    doc->AddGuest("Gil", "Tal", nullptr);
    ASSERT_TRUE(copy.WriteNow());
    ASSERT_TRUE(QFileInfo::exists(CopyPath()));
    copy.Discard();
    EXPECT_FALSE(QFileInfo::exists(CopyPath()));
    EXPECT_FALSE(copy.IsWritePending());
}

TEST_F(RecoveryCopyTest, AtStartYesRestoresTheCopyAndTheEventIsModified)
{
    CrashWithAThirdGuestUnsaved();
    m_messages.Answer({MSG_RESULT_YES});
    auto doc = Open();
    EXPECT_EQ(doc->GuestCount(), 2);
    CRecoveryCopy copy(*doc);
    EXPECT_TRUE(copy.OfferRestore());

    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text, kQuestion);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, kCaption);
    EXPECT_EQ(m_messages.ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(doc->GuestCount(), 3);
    EXPECT_NE(doc->FindGuestByFullName("Noa Bar"), nullptr);
    EXPECT_TRUE(doc->IsModified());

    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(CopyPath()));
    EXPECT_EQ(Open()->GuestCount(), 3);
}

TEST_F(RecoveryCopyTest, AtStartNoRemovesTheCopyAndKeepsTheSavedEvent)
{
    CrashWithAThirdGuestUnsaved();
    m_messages.Answer({MSG_RESULT_NO});
    auto doc = Open();
    CRecoveryCopy copy(*doc);
    EXPECT_FALSE(copy.OfferRestore());
    EXPECT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(CopyPath()));
    EXPECT_EQ(doc->GuestCount(), 2);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(RecoveryCopyTest, ACopyOlderThanTheDataFileIsRemovedWithoutAQuestion)
{
    SaveTwoGuests();
    ASSERT_TRUE(TestFiles::Write(CopyPath(), TestFiles::Read(EventFile("WeddingData.xml"))));
    QFile copyFile(CopyPath());
    ASSERT_TRUE(copyFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(copyFile.setFileTime(QFileInfo(EventFile("WeddingData.xml")).lastModified().addSecs(-60),
                                     QFileDevice::FileModificationTime));
    copyFile.close();

    auto doc = Open();
    CRecoveryCopy copy(*doc);
    EXPECT_FALSE(copy.OfferRestore());
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(CopyPath()));
}

TEST_F(RecoveryCopyTest, ACopyThatDoesNotReadWholeLeavesTheSavedEvent)
{
    SaveTwoGuests();
    ASSERT_TRUE(TestFiles::Write(CopyPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest>"));
    m_messages.Answer({MSG_RESULT_YES});
    auto doc = Open();
    CRecoveryCopy copy(*doc);
    EXPECT_FALSE(copy.OfferRestore());
    EXPECT_EQ(doc->GuestCount(), 2);
    EXPECT_FALSE(doc->LoadedDamagedFile());
    EXPECT_FALSE(doc->IsModified());
}

}
