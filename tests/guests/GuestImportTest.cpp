#include "guests/core/GuestImport.h"

#include "data/document/ViewHint.h"
#include "data/records/EventRecords.h"
#include "data/storage/EventFile.h"

#include "SheetFixtures.h"
#include "ViewTestEvent.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kTarget = QStringLiteral("מוזמנים מיובאים");

class GuestImportTest : public ::testing::Test
{
protected:
    GuestImportTest()
    {
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, &m_context,
                         [this](QObject*, int hint, CHintObject* object) { m_hints.append({hint, object}); });
    }

    // Another event's folder with guests named "first family", each with a unique id and a group.
    QString OtherEvent(const QList<std::tuple<QString, QString, int, QString>>& guests)
    {
        CEventRecords records;
        for (const auto& [name, family, id, group] : guests) {
            auto* guest = new CGuest(nullptr, nullptr, &records.counters);
            guest->SetName(name);
            guest->SetFamilyName(family);
            guest->SetUniqueId(id);
            guest->SetGroupName(group);
            guest->SetPhone(QStringLiteral("03-%1").arg(id));
            guest->SetInvited(3);
            guest->SetComing(1);
            guest->SetStatus(1);
            guest->SetTableIndex(4);
            records.guests.append(guest);
        }
        const QString folder = m_dir.path() + QStringLiteral("/Other");
        EXPECT_TRUE(SheetFixtures::WriteEvent(folder, records));
        return folder;
    }
    CGuest* Find(const QString& fullName) { return m_event.Doc().FindGuestByFullName(fullName); }
    const QList<CScriptedMessages::Shown>& Shown() { return m_event.Messages().ShownMessages(); }

    CViewTestEvent m_event;
    QTemporaryDir m_dir;
    QObject m_context;
    QList<QPair<int, CHintObject*>> m_hints;
};

}

TEST_F(GuestImportTest, AnotherEventsDataFileGivesItsGuestsWithEveryField)
{
    const QString folder = OtherEvent({{"Dana", "Levi", 1001, "Friends"}, {"Ron", "Cohen", 1002, "Work"}});
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    ASSERT_EQ(import.Candidates().size(), 2);
    EXPECT_TRUE(m_hints.isEmpty());

    const CGuestImport::Outcome outcome = import.AddAll();
    EXPECT_EQ(outcome.added, (QStringList{"Dana Levi", "Ron Cohen"}));
    EXPECT_TRUE(outcome.skipped.isEmpty());
    EXPECT_TRUE(import.Candidates().isEmpty());
    const CGuest* dana = Find("Dana Levi");
    ASSERT_TRUE(dana);
    EXPECT_EQ(dana->GetGroupName(), QStringLiteral("Friends"));
    EXPECT_EQ(dana->GetPhone(), QStringLiteral("03-1001"));
    EXPECT_EQ(dana->GetInvited(), 3);
    EXPECT_EQ(dana->GetComing(), 1);
    EXPECT_EQ(dana->GetStatus(), 1);
    EXPECT_EQ(dana->GetTableIndex(), 0);
    EXPECT_TRUE(m_event.Doc().FindGroupByName("Friends"));
    EXPECT_TRUE(m_event.Doc().FindGroupByName("Work"));
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(GuestImportTest, DuplicatesByFullNameAreSkippedAndReportedTheOthersAdded)
{
    m_event.AddGuest("Dana", "Levi");
    m_event.AddGuest("Ron", "Cohen");
    const QString folder =
        OtherEvent({{"Dana", "Levi", 2001, "G"}, {"Avi", "Bar", 2002, "G"}, {"Ron", "Cohen", 2003, "G"}});
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    m_hints.clear();

    const CGuestImport::Outcome outcome = import.AddAll();
    EXPECT_EQ(outcome.added, QStringList{"Avi Bar"});
    ASSERT_EQ(outcome.skipped.size(), 2);
    EXPECT_EQ(outcome.skipped[0].fullName, QStringLiteral("Dana Levi"));
    EXPECT_EQ(outcome.skipped[1].fullName, QStringLiteral("Ron Cohen"));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("חלק מהמוזמנים כבר קימים והם לא הוספו לרשימה\r\n1. Dana Levi\r\n2. Ron Cohen\r\n"));
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("מוזמנים כבר קימים!"));
    EXPECT_EQ(m_event.Doc().GuestCount(), 3);
    // The skipped ones stay candidates.
    EXPECT_EQ(import.Candidates().size(), 2);
    // One new group, then one guests-added hint for the whole import.
    ASSERT_EQ(m_hints.size(), 2);
    EXPECT_EQ(m_hints[0].first, HINT_GROUP_ADDED);
    EXPECT_EQ(m_hints[1].first, HINT_GUEST_ADDED);
}

TEST_F(GuestImportTest, ACollidingUniqueIdGetsAFreshOne)
{
    CGuest* here = m_event.AddGuest("Dana", "Levi");
    const int used = here->GetUniqueId();
    const QString folder = OtherEvent({{"Avi", "Bar", used, "G"}, {"Ron", "Cohen", 77777, "G"}});
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    EXPECT_EQ(import.AddAll().added.size(), 2);
    const CGuest* avi = Find("Avi Bar");
    ASSERT_TRUE(avi);
    EXPECT_NE(avi->GetUniqueId(), used);
    EXPECT_EQ(Find("Ron Cohen")->GetUniqueId(), 77777);
    // Later guests number past the ids taken over.
    EXPECT_GT(m_event.AddGuest("New", "One")->GetUniqueId(), 77777);
}

TEST_F(GuestImportTest, AGuestWithoutAGroupJoinsTheTargetGroupNeverANamelessOne)
{
    const QString folder = OtherEvent({{"Avi", "Bar", 3001, ""}, {"Ron", "Cohen", 3002, "Work"}});
    const int groupsBefore = int(m_event.Doc().Groups().size());
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    import.AddAll();
    EXPECT_EQ(Find("Avi Bar")->GetGroupName(), kTarget);
    EXPECT_EQ(Find("Ron Cohen")->GetGroupName(), QStringLiteral("Work"));
    EXPECT_FALSE(m_event.Doc().FindGroupByName(QString()));
    EXPECT_EQ(int(m_event.Doc().Groups().size()), groupsBefore + 2);
}

TEST_F(GuestImportTest, WithoutAutomaticGroupsEveryoneJoinsTheTargetGroup)
{
    const QString folder = OtherEvent({{"Avi", "Bar", 3001, "Friends"}, {"Ron", "Cohen", 3002, "Work"}});
    CGuestImport import(m_event.Doc());
    import.SetAutoGroups(false);
    import.SetTargetGroup(QStringLiteral("From the sheet"));
    ASSERT_TRUE(import.ReadEventFolder(folder));
    import.Add({1});
    EXPECT_EQ(Find("Ron Cohen")->GetGroupName(), QStringLiteral("From the sheet"));
    EXPECT_FALSE(Find("Avi Bar"));
    EXPECT_FALSE(m_event.Doc().FindGroupByName("Work"));
    ASSERT_EQ(import.Candidates().size(), 1);
    EXPECT_EQ(import.Candidates()[0]->GetFullName(), QStringLiteral("Avi Bar"));
}

TEST_F(GuestImportTest, OlderGuestsIniIsReadWhenThereIsNoDataFile)
{
    const QString folder = m_dir.path() + QStringLiteral("/Older");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(TestFiles::Write(folder + "/Guests.ini",
                                 TestFiles::Cp1255(QStringLiteral("[Guest0]\r\nNM=דנה\r\nFM=לוי\r\nGN=חברים\r\n"))));
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    ASSERT_EQ(import.Candidates().size(), 1);
    EXPECT_EQ(import.Candidates()[0]->GetFullName(), QStringLiteral("דנה לוי"));
}

TEST_F(GuestImportTest, AFolderWithoutAnEventIsRefusedAndTheCandidatesStay)
{
    const QString folder = OtherEvent({{"Avi", "Bar", 3001, "G"}});
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    const QString empty = m_dir.path() + QStringLiteral("/Empty");
    ASSERT_TRUE(QDir().mkpath(empty));
    EXPECT_FALSE(import.ReadEventFolder(empty));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text,
              QStringLiteral("הסיפריה שנבחרה אינה מכילה נתונים שהמערכת יכולה לפענח\r\nאנא ביחרו סיפריה אחרת"));
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("סיפריה לא מכילה נתונים!"));
    EXPECT_EQ(import.Candidates().size(), 1);

    ASSERT_TRUE(TestFiles::Write(empty + "/WeddingData.xml", "<WeddingData><Guest><Name>x"));
    EXPECT_FALSE(import.ReadEventFolder(empty));
    EXPECT_EQ(import.Candidates().size(), 1);
}

TEST_F(GuestImportTest, ReplaceAllAsksTakesACheckpointAndLoadsTheOtherEvent)
{
    m_event.AddGuest("Old", "Guest");
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    m_event.AddGuest("Unsaved", "Guest");
    const QString folder = OtherEvent({{"Avi", "Bar", 3001, "G"}});
    CGuestImport import(m_event.Doc());

    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(import.ReplaceAll(folder));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("המערכת עומדת להחליף את כל הנתונים הנוכחים בנתונים\r\nהנמצאים בסיפריה  %1 \r\n"
                                              "כל הנתונים הנוכחים ימחקו. האם להמשיך?")
                                   .arg(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("החלפת כל הנתונים!?"));
    EXPECT_EQ(Shown()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(m_event.Doc().GuestCount(), 2);

    m_event.Messages().Answer({MSG_RESULT_YES});
    m_hints.clear();
    EXPECT_TRUE(import.ReplaceAll(folder));
    ASSERT_EQ(m_event.Doc().GuestCount(), 1);
    EXPECT_EQ(m_event.Doc().Guests()[0]->GetFullName(), QStringLiteral("Avi Bar"));
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_TRUE(m_hints.contains(qMakePair(int(HINT_EVENT_RELOADED), static_cast<CHintObject*>(nullptr))));

    // The checkpoint holds the event as it was, unsaved guest included.
    const QDir backup(m_event.Doc().Location().GetBackupFolder());
    const QStringList checkpoints = backup.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(checkpoints.size(), 1);
    const QByteArray kept = TestFiles::Read(backup.filePath(checkpoints[0]) + "/WeddingData.xml");
    EXPECT_TRUE(kept.contains("Unsaved"));
    EXPECT_TRUE(kept.contains("Old"));
}

TEST_F(GuestImportTest, ReplaceAllRefusesTheActiveEventsOwnFolderAndAnEmptyChoice)
{
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    CGuestImport import(m_event.Doc());
    EXPECT_FALSE(import.ReplaceAll(QString()));
    EXPECT_FALSE(import.ReplaceAll(m_event.Doc().Location().GetEventFolder()));
    ASSERT_EQ(Shown().size(), 2);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("נא לבחור סיפרית נתונים"));
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("סיפרית נתונים ריקה"));
    EXPECT_EQ(Shown()[1].text, QStringLiteral("הסיפריה שנבחרה היא סיפרית הארוע הנוכחי\r\nאנא ביחרו סיפריה אחרת"));
    EXPECT_TRUE(QDir(m_event.Doc().Location().GetBackupFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(GuestImportTest, ImportsAFolderThisProgramSaved)
{
    // A second event saved by a document of its own, as another installation would.
    CDataLocation location(m_dir.path() + QStringLiteral("/Data2"));
    CScriptedMessages messages;
    QString folder;
    {
        CNewZelDoc other(location, &messages);
        other.LoadEvent();
        CGuest* guest = other.AddGuest(QStringLiteral("שרה"), QStringLiteral("כץ"), nullptr);
        guest->SetGroupName(QStringLiteral("משפחה"));
        ASSERT_TRUE(other.SaveEvent());
        folder = location.GetEventFolder();
    }
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadEventFolder(folder));
    EXPECT_EQ(import.AddAll().added, QStringList{QStringLiteral("שרה כץ")});
    EXPECT_EQ(Find(QStringLiteral("שרה כץ"))->GetGroupName(), QStringLiteral("משפחה"));
}
