#include "data/records/Category.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"
#include "data/records/Group.h"
#include "data/records/Offer.h"
#include "data/records/Guest.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "data/document/ViewHint.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class DocumentTest : public ::testing::Test
{
protected:
    void TearDown() override { Language::Set(UiLanguage::Hebrew); }

    QString EventFolder() const { return m_home.DataFolder() + "/DB"; }
    QString EventFile(const QString& name) const { return EventFolder() + "/" + name; }

    std::unique_ptr<CNewZelDoc> Open()
    {
        auto doc = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        doc->LoadEvent();
        return doc;
    }

    // An event of tables 0..count-1, each with one guest of one person (named after its table).
    void SeatOneGuestPerTable(CNewZelDoc& doc, int count)
    {
        while (doc.Tables().size() < count)
            doc.CreateTable(QStringLiteral("table"), -1, 10);
        for (int t = 0; t < count; ++t) {
            CGuest* guest = doc.AddGuest(QStringLiteral("guest%1").arg(t), QString(), nullptr);
            guest->SetComing(1);
            guest->SetTableIndex(t);
            doc.Tables()[t]->SetName(QStringLiteral("T%1").arg(t));
        }
    }
    QString GuestAt(CNewZelDoc& doc, int table)
    {
        const QList<CGuest*> guests = doc.GuestsAtTable(table);
        return guests.size() == 1 ? guests.front()->GetName() : QStringLiteral("%1 guests").arg(guests.size());
    }

    TestFiles::ScopedHome m_home;
    CDataLocation m_location;
    CScriptedMessages m_messages;
};

TEST_F(DocumentTest, AnEmptyFolderGetsTheHebrewExampleDataAndIsModified)
{
    auto doc = Open();
    EXPECT_EQ(doc->Categories().size(), 12);
    EXPECT_EQ(doc->Categories().front()->GetName(), QString("קיטרינגים"));
    EXPECT_EQ(doc->Offers().size(), 6);
    EXPECT_EQ(doc->Expenses().size(), 33);
    ASSERT_EQ(doc->Tables().size(), 2);
    EXPECT_EQ(doc->Tables()[0]->GetName(), QString("מוזמנים שאינם משובצים"));
    EXPECT_EQ(doc->Tables()[0]->GetSeats(), 0);
    EXPECT_EQ(doc->Tables()[1]->GetName(), QString("חברים מהצבא - דוגמה"));
    EXPECT_EQ(doc->Tables()[1]->GetHallNumber(), 1);
    EXPECT_EQ(doc->Meetings().size(), 1);
    EXPECT_TRUE(doc->Guests().isEmpty());
    EXPECT_TRUE(doc->IsModified());

    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(QFileInfo::exists(EventFile("WeddingData.xml")));
    doc.reset();

    auto again = Open();
    EXPECT_FALSE(again->IsModified());
    EXPECT_EQ(again->Expenses().size(), 33);
    EXPECT_EQ(again->Offers().size(), 6);
    EXPECT_EQ(again->Tables().size(), 2);
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty());
}

TEST_F(DocumentTest, TheEnglishExampleData)
{
    Language::Set(UiLanguage::English);
    auto doc = Open();
    EXPECT_EQ(doc->Categories().size(), 12);
    EXPECT_EQ(doc->Categories()[1]->GetName(), "Bar services");
    EXPECT_EQ(doc->Offers().size(), 5);
    EXPECT_EQ(doc->Expenses().size(), 54);
    EXPECT_EQ(doc->Meetings().size(), 1);
}

TEST_F(DocumentTest, OlderIniFilesAreReadAndReplacedByTheDataFileOnSave)
{
    TestFiles::Write(EventFile("Guests.ini"),
                     TestFiles::Cp1255("[GuestsCount]\r\nGuestsCount=2\r\n[Guest0]\r\nNM=משה\r\nFM=כהן\r\nAN=3\r\nTI=1\r\n"
                                       "[Guest1]\r\nNM=100%\r\nFM=לוי\r\nAN=2\r\n"));
    TestFiles::Write(EventFile("Tables.ini"), TestFiles::Cp1255("[Table0]\r\nName=לא משובצים\r\nPlaces=0\r\n"
                                                                "[Table1]\r\nName=משפחה\r\nPlaces=12\r\nInHall=4\r\n"));
    {
        auto doc = Open();
        ASSERT_EQ(doc->Guests().size(), 2);
        EXPECT_EQ(doc->Guests()[0]->GetFullName(), QString("משה כהן"));
        ASSERT_EQ(doc->Tables().size(), 2);
        EXPECT_EQ(doc->Tables()[1]->GetName(), QString("משפחה"));
        EXPECT_EQ(doc->Tables()[1]->GetId(), 1);
        EXPECT_EQ(doc->SeatedSum(1, CTable::CountComing), 3);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_TRUE(QFileInfo::exists(EventFile("Guests.ini")));
        ASSERT_TRUE(doc->SaveEvent());
    }
    EXPECT_TRUE(QFileInfo::exists(EventFile("WeddingData.xml")));
    EXPECT_FALSE(QFileInfo::exists(EventFile("Guests.ini")));
    EXPECT_FALSE(QFileInfo::exists(EventFile("Tables.ini")));
    EXPECT_TRUE(TestFiles::Read(EventFile("Settings.ini")).contains("[GuestsCount]\r\nGuestsCount=2\r\n"));
    EXPECT_TRUE(TestFiles::Read(EventFile("WeddingData.xml")).contains("<gsName><![CDATA[100%]]></gsName>\r\n"));

    auto reloaded = Open();
    EXPECT_FALSE(reloaded->IsModified());
    ASSERT_EQ(reloaded->Guests().size(), 2);
    EXPECT_EQ(reloaded->Guests()[1]->GetFullName(), QString("100% לוי"));
    EXPECT_EQ(reloaded->Tables()[1]->GetSeats(), 12);
}

TEST_F(DocumentTest, SavingAnUnmodifiedEventLeavesTheDataFileAlone)
{
    {
        auto doc = Open();
        ASSERT_TRUE(doc->SaveEvent());
    }
    const QByteArray before = TestFiles::Read(EventFile("WeddingData.xml"));
    TestFiles::Write(EventFile("WeddingData.xml"), before + "\r\n");
    auto doc = Open();
    ASSERT_FALSE(doc->IsModified());
    doc->Settings().SetEventType(2);
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_EQ(TestFiles::Read(EventFile("WeddingData.xml")), before + "\r\n");
    EXPECT_TRUE(TestFiles::Read(EventFile("Settings.ini")).contains("EventType=2\r\n"));
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOlderFilesAndTellsTheUser)
{
    TestFiles::Write(EventFile("Guests.ini"), TestFiles::Cp1255("[Guest0]\r\nNM=משה\r\n"));
    auto doc = Open();
    ASSERT_TRUE(doc->IsModified());
    // A folder where the data file belongs: it cannot be replaced.
    ASSERT_TRUE(QDir().mkpath(EventFile("WeddingData.xml")));
    EXPECT_FALSE(doc->SaveEvent());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(QFileInfo::exists(EventFile("Guests.ini")));
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("הנתונים לא נשמרו!"));
    EXPECT_TRUE(m_messages.ShownMessages()[0].text.contains(EventFolder()));
    EXPECT_EQ(m_messages.ShownMessages()[0].buttons, MSG_OK);
}

TEST_F(DocumentTest, ADamagedDataFileIsKeptBesideTheFirstSave)
{
    const QByteArray damaged =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest>\r\n"
        "<gsName><![CDATA[Dana]]></gsName>\r\n</Guest>\r\n\r\n<Guest>\r\n<gsName><![CDATA[Ron";
    TestFiles::Write(EventFile("WeddingData.xml"), damaged);
    auto doc = Open();
    EXPECT_TRUE(doc->LoadedDamagedFile());
    ASSERT_GE(doc->Guests().size(), 1);
    EXPECT_EQ(doc->Guests()[0]->GetName(), "Dana");
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty()) << "nothing is said before anything is written";

    doc->SetModified();
    ASSERT_TRUE(doc->SaveEvent());
    const QStringList kept = QDir(EventFolder()).entryList({"WeddingData.xml.damaged-*"});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(TestFiles::Read(EventFolder() + "/" + kept.front()), damaged);
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("קובץ נתונים פגום"));
    EXPECT_TRUE(m_messages.ShownMessages()[0].text.contains(kept.front()));

    doc->SetModified();
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_EQ(m_messages.ShownMessages().size(), 1) << "told once";
    doc.reset();
    auto reloaded = Open();
    EXPECT_FALSE(reloaded->LoadedDamagedFile());
    EXPECT_EQ(reloaded->Guests().front()->GetName(), "Dana");
}

TEST_F(DocumentTest, ADamagedDataFileIsNotReplacedWhenNoCopyCanBeKept)
{
    const QByteArray damaged = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest";
    TestFiles::Write(EventFile("WeddingData.xml"), damaged);
    auto doc = Open();
    ASSERT_TRUE(doc->LoadedDamagedFile());
    // Folders where the copies would go, for the seconds the save may take.
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = 0; second < 10; ++second)
        QDir().mkpath(EventFile("WeddingData.xml.damaged-") + EventFileSet::CheckpointName(now.addSecs(second)));
    doc->SetModified();
    EXPECT_FALSE(doc->SaveEvent());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(TestFiles::Read(EventFile("WeddingData.xml")), damaged);
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("הנתונים לא נשמרו!"));
}

TEST_F(DocumentTest, ANewEventFromAnEarlierOneKeepsTheListsButNoAnswers)
{
    auto doc = Open();
    CGuest* guest = doc->AddGuest("Dana", "Levi", nullptr);
    guest->SetTableIndex(1);
    guest->SetStatus(1);
    guest->SetGiftShekels(500);
    guest->SetGiftDollars(100);
    guest->SetGift("vase");
    guest->SetCameCount(2);
    guest->SetInvitationSent(true);
    guest->SetSmsCount(3);
    doc->AddGroup("family", nullptr);
    ASSERT_TRUE(doc->SaveEvent());

    ASSERT_TRUE(doc->CreateEventFolder(EventFolder()));
    EXPECT_EQ(doc->Events().Active()->GetId(), "DB1");
    EXPECT_EQ(m_location.CurrentEventFolder(), m_home.DataFolder() + "/DB1");
    ASSERT_EQ(doc->Guests().size(), 1);
    const CGuest* copy = doc->Guests().front();
    EXPECT_EQ(copy->GetFullName(), "Dana Levi");
    EXPECT_EQ(copy->GetTableIndex(), 0);
    EXPECT_EQ(copy->GetStatus(), 0);
    EXPECT_EQ(copy->GetGiftShekels(), 0.0f);
    EXPECT_EQ(copy->GetGiftDollars(), 0.0f);
    EXPECT_EQ(copy->GetGift(), "");
    EXPECT_EQ(copy->GetCameCount(), 0);
    EXPECT_FALSE(copy->GetInvitationSent());
    EXPECT_EQ(copy->GetSmsCount(), 0);
    EXPECT_EQ(doc->Groups().size(), 1);
    // The earlier event is untouched.
    EXPECT_TRUE(TestFiles::Read(EventFile("WeddingData.xml")).contains("<SekelsGift>500.0</SekelsGift>"));
}

TEST_F(DocumentTest, ANewEventKeepsItsResetAnswersAcrossASave)
{
    {
        auto doc = Open();
        doc->AddGuest("Dana", "Levi", nullptr)->SetStatus(1);
        ASSERT_TRUE(doc->SaveEvent());
        ASSERT_TRUE(doc->CreateEventFolder(EventFolder()));
        EXPECT_TRUE(doc->IsModified()) << "the copied file still holds the answers";
        ASSERT_TRUE(doc->SaveEvent());
    }
    auto reopened = Open();
    EXPECT_EQ(reopened->Events().Active()->GetId(), "DB1");
    ASSERT_EQ(reopened->Guests().size(), 1);
    EXPECT_EQ(reopened->Guests().front()->GetStatus(), 0);
}

TEST_F(DocumentTest, ABulkSeatChangeTellsTheViewsOnce)
{
    auto doc = Open();
    SeatOneGuestPerTable(*doc, 6);
    for (int t = 1; t < 6; ++t)
        doc->AddGuest(QStringLiteral("more%1").arg(t), QString(), nullptr)->SetTableIndex(t);
    int tableHints = 0;
    QObject::connect(doc.get(), &CNewZelDoc::Hint, [&tableHints](QObject*, int hint, CHintObject* object) {
        if (hint == HINT_TABLE_CHANGED) {
            ++tableHints;
            EXPECT_EQ(object, nullptr);
        }
    });
    doc->DeleteTable(*doc->Tables()[2]);
    EXPECT_EQ(tableHints, 1);
    doc->MoveTable(4, 1);
    EXPECT_EQ(tableHints, 2);
    doc->Guests().front()->SetTableIndex(3);
    EXPECT_EQ(tableHints, 3) << "a single guest still tells at once";
}

TEST_F(DocumentTest, ARebuiltSeatingInABatchStandsForItsTableHints)
{
    auto doc = Open();
    SeatOneGuestPerTable(*doc, 2);
    QList<int> hints;
    QObject::connect(doc.get(), &CNewZelDoc::Hint, [&hints](QObject*, int hint, CHintObject*) { hints.append(hint); });
    {
        const CNewZelDoc::CBatch batch(*doc);
        doc->CreateTable(QStringLiteral("new"), -1, 10);
        doc->Guests().front()->SetTableIndex(2);
        EXPECT_TRUE(hints.isEmpty());
    }
    EXPECT_EQ(hints, (QList<int>{HINT_TABLE_ADDED, HINT_TABLE_CHANGED}));

    hints.clear();
    {
        const CNewZelDoc::CBatch batch(*doc);
        doc->CreateTable(QStringLiteral("other"), -1, 10);
        doc->Guests().front()->SetTableIndex(3);
        doc->UpdateAllViews(nullptr, HINT_SEATING_REBUILT);
        doc->Guests().front()->SetTableIndex(1);
    }
    EXPECT_EQ(hints, (QList<int>{HINT_SEATING_REBUILT}));
}

TEST_F(DocumentTest, DeletingAllTablesLeavesTheUnseatedTableAlone)
{
    auto doc = Open();
    SeatOneGuestPerTable(*doc, 3);
    doc->SetModified(false);
    doc->DeleteAllTables();
    ASSERT_EQ(doc->Tables().size(), 1);
    EXPECT_EQ(doc->Tables()[0]->GetId(), 0);
    EXPECT_EQ(doc->Tables()[0]->GetName(), QStringLiteral("מוזמנים שאינם משובצים"));
    EXPECT_EQ(doc->Tables()[0]->GetSeats(), 0);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocumentTest, DefaultGroupsAlternateGroomAndBride)
{
    Language::Set(UiLanguage::English);
    auto doc = Open();
    doc->CreateDefaultGroups("Dana", "Ron");
    ASSERT_EQ(doc->Groups().size(), 12);
    EXPECT_EQ(doc->Groups()[0]->GetName(), "Ron-Childhood friends");
    EXPECT_EQ(doc->Groups()[1]->GetName(), "Dana-Childhood friends");
    EXPECT_EQ(doc->Groups()[2]->GetName(), "Ron-High School friends");
    EXPECT_EQ(doc->Groups()[11]->GetName(), "Dana-Other friends");
    doc->CreateDefaultGroups("Other", "Names");
    EXPECT_EQ(doc->Groups().size(), 12) << "only an event without groups gets them";
}

TEST_F(DocumentTest, DefaultGroupsOfOneNameOrEqualNames)
{
    auto doc = Open();
    doc->CreateDefaultGroups("", "רון");
    ASSERT_EQ(doc->Groups().size(), 6);
    EXPECT_EQ(doc->Groups()[0]->GetName(), QString("רון-חברים מהצבא"));
    EXPECT_EQ(doc->Groups()[5]->GetName(), QString("רון-משפחה"));

    auto* groups = &doc->EditRecords().groups;
    qDeleteAll(*groups);
    groups->clear();
    doc->CreateDefaultGroups("טל", "טל");
    ASSERT_EQ(doc->Groups().size(), 12);
    EXPECT_EQ(doc->Groups()[0]->GetName(), QString("טל (חתן) -חברים מהצבא"));
    EXPECT_EQ(doc->Groups()[1]->GetName(), QString("טל (כלה) -חברים מהצבא"));
}

TEST_F(DocumentTest, DeletingATableMovesItsGuestsAndRenumbersTheLaterOnes)
{
    auto doc = Open();
    SeatOneGuestPerTable(*doc, 6);
    doc->DeleteTable(*doc->Tables()[3]);
    ASSERT_EQ(doc->Tables().size(), 5);
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(doc->Tables()[t]->GetId(), t);
    EXPECT_EQ(doc->Tables()[3]->GetName(), "T4");
    EXPECT_EQ(doc->Tables()[4]->GetName(), "T5");
    EXPECT_EQ(GuestAt(*doc, 3), "guest4");
    EXPECT_EQ(GuestAt(*doc, 4), "guest5");
    EXPECT_EQ(doc->GuestsAtTable(0).size(), 2);
    EXPECT_EQ(doc->GuestsAtTable(0)[1]->GetName(), "guest3");

    doc->DeleteTable(*doc->Tables()[0]);
    EXPECT_EQ(doc->Tables().size(), 5) << "the unseated table stays";
}

TEST_F(DocumentTest, SwappingAndMovingTablesCarryTheirGuests)
{
    auto doc = Open();
    SeatOneGuestPerTable(*doc, 5);
    doc->Tables()[1]->SetSeats(7);
    doc->Tables()[1]->SetHallNumber(9);
    doc->SwapTables(1, 2);
    EXPECT_EQ(doc->Tables()[1]->GetName(), "T2");
    EXPECT_EQ(doc->Tables()[2]->GetName(), "T1");
    EXPECT_EQ(doc->Tables()[2]->GetSeats(), 7);
    EXPECT_EQ(doc->Tables()[2]->GetHallNumber(), 9);
    EXPECT_EQ(doc->Tables()[1]->GetId(), 1);
    EXPECT_EQ(GuestAt(*doc, 1), "guest2");
    EXPECT_EQ(GuestAt(*doc, 2), "guest1");

    doc->MoveTable(4, 1);
    QStringList order;
    for (const CTable* table : doc->Tables())
        order << table->GetName();
    EXPECT_EQ(order, (QStringList{"T0", "T4", "T2", "T1", "T3"}));
    EXPECT_EQ(GuestAt(*doc, 1), "guest4");
    EXPECT_EQ(GuestAt(*doc, 4), "guest3");
}

TEST_F(DocumentTest, HallNumbersAndNames)
{
    auto doc = Open(); // tables 0 (hall 0) and 1 (hall 1)
    doc->CreateTable("b", 2, 10);
    doc->CreateTable("d", 4, 10);
    EXPECT_EQ(doc->NextFreeHallNumber(), 3);
    CTable* created = doc->CreateTable("c");
    EXPECT_EQ(created->GetHallNumber(), 3);
    EXPECT_EQ(created->GetSeats(), 10);
    EXPECT_EQ(created->GetId(), 4);
    EXPECT_EQ(doc->NextFreeHallNumber(), 5);
    doc->Tables()[0]->SetHallNumber(5);
    EXPECT_EQ(doc->NextFreeHallNumber(), 0);

    int id = -1;
    QString name;
    EXPECT_TRUE(doc->FindTableByHallNumber(0, &id, &name));
    EXPECT_FALSE(doc->FindTableByHallNumber(4, &id, &name));
    EXPECT_EQ(id, 3);
    EXPECT_EQ(name, "d");
    EXPECT_TRUE(doc->FindTableByHallNumber(7));
    EXPECT_FALSE(doc->IsTableNameFree("b"));
    EXPECT_TRUE(doc->IsTableNameFree("B"));
}

TEST_F(DocumentTest, SumsOfHugeCountsAndTheLastUniqueIdDoNotWrapAround)
{
    auto doc = Open();
    for (const char* name : {"a", "b"}) {
        CGuest* guest = doc->AddGuest(name, "x", nullptr);
        guest->SetInvited(2147483647);
        guest->SetComing(2147483647);
        guest->SetTableIndex(1);
    }
    EXPECT_EQ(doc->SumInvited(), Q_INT64_C(4294967294));
    EXPECT_EQ(doc->SumComing(), Q_INT64_C(4294967294));
    EXPECT_EQ(doc->SeatedSum(1, CTable::CountComing), Q_INT64_C(4294967294));

    doc->Counters().SetUniqueIdCounter(2147483646);
    EXPECT_EQ(doc->AddGuest("c", "x", nullptr)->GetUniqueId(), 2147483647);
    EXPECT_EQ(doc->AddGuest("d", "x", nullptr)->GetUniqueId(), 2147483647);
    EXPECT_EQ(doc->Counters().UniqueIdCounter(), 2147483647);
}

TEST_F(DocumentTest, TwoEventsSideBySideNumberTheirRecordsApart)
{
    auto first = Open();
    first->CreateTable("extra", -1, 10);
    const int firstSerial = first->Tables().back()->GetSerial();
    first->AddGuest("a", "b", nullptr);
    const int firstUnique = first->Counters().UniqueIdCounter();

    // A second event in the same process, as an import source or a restore preview loads one.
    TestFiles::ScopedHome otherHome;
    CDataLocation otherLocation;
    CScriptedMessages otherMessages;
    CNewZelDoc second(otherLocation, &otherMessages);
    second.LoadEvent();
    EXPECT_EQ(second.Tables().size(), 2);
    EXPECT_EQ(second.Tables()[1]->GetId(), 1);
    EXPECT_EQ(second.Counters().tables.Last(), 1);
    EXPECT_EQ(second.AddGuest("c", "d", nullptr)->GetId(), 0);

    // Neither event's numbers moved the other's.
    EXPECT_EQ(first->Counters().UniqueIdCounter(), firstUnique);
    EXPECT_EQ(first->FindTableBySerial(firstSerial), first->Tables().back());
    EXPECT_EQ(first->AddGuest("e", "f", nullptr)->GetId(), 1);
    second.DiscardOnClose();
}

TEST_F(DocumentTest, ClosingWritesTheActiveEventAndTheUniqueIdCounter)
{
    int last = 0;
    {
        auto doc = Open();
        doc->AddGuest("a", "b", nullptr);
        last = doc->Counters().UniqueIdCounter();
        EXPECT_GT(last, 1000);
    }
    EXPECT_EQ(TestFiles::Read(m_home.DataFolder() + "/events.ini"), "[Events]\r\nActive=DB\r\n");
    const int counter = CIniFile::ReadProfileInt(EventFile("Settings.ini"), "GenSettings", "lastGuestUniqueId", 0);
    EXPECT_EQ(counter, last);
}

TEST_F(DocumentTest, AnOlderFileThatCannotBeOpenedStopsTheConversion)
{
    const QByteArray groups = TestFiles::Cp1255("[Group0]\r\nGroupName=משפחה\r\n");
    ASSERT_TRUE(TestFiles::Write(EventFile("Groups.ini"), groups));
    // A folder in the place of the file cannot be opened, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(EventFile("Guests.ini")));
    auto doc = Open();
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QString("העברת הנתונים נעצרה"));
    EXPECT_TRUE(m_messages.ShownMessages()[0].text.contains(EventFile("Guests.ini")));
    EXPECT_FALSE(doc->IsModified());

    doc->SetModified();
    EXPECT_FALSE(doc->SaveEvent());
    EXPECT_EQ(m_messages.ShownMessages().size(), 2);
    EXPECT_FALSE(QFileInfo::exists(EventFile("WeddingData.xml")));
    EXPECT_EQ(TestFiles::Read(EventFile("Groups.ini")), groups);
    EXPECT_TRUE(QFileInfo(EventFile("Guests.ini")).isDir());
}

TEST_F(DocumentTest, AnUnreadableFileStopsTheConversion)
{
    const QByteArray guests = TestFiles::Cp1255("[Guest0]\r\nNM=משה\r\n");
    ASSERT_TRUE(TestFiles::Write(EventFile("Guests.ini"), guests));
    ASSERT_TRUE(QFile::setPermissions(EventFile("Guests.ini"), QFileDevice::WriteOwner));
    if (QFile(EventFile("Guests.ini")).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files without read permission";
    auto doc = Open();
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    doc->SetModified();
    EXPECT_FALSE(doc->SaveEvent());
    QFile::setPermissions(EventFile("Guests.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(TestFiles::Read(EventFile("Guests.ini")), guests);
}

TEST_F(DocumentTest, GuestsWithCarriageReturnLineEndsAreConverted)
{
    ASSERT_TRUE(TestFiles::Write(EventFile("Guests.ini"), TestFiles::Cp1255("[Guest0]\rNM=משה\r[Guest1]\rNM=רות\r")));
    auto doc = Open();
    ASSERT_EQ(doc->GuestCount(), 2);
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(EventFile("Guests.ini")));
    auto reloaded = Open();
    EXPECT_EQ(reloaded->GuestCount(), 2);
}

TEST_F(DocumentTest, AFileThatHoldsSomethingButNoRecordIsKept)
{
    const QByteArray odd = "GuestList\r\nNM=Dana\r\n";
    ASSERT_TRUE(TestFiles::Write(EventFile("Guests.ini"), odd));
    ASSERT_TRUE(TestFiles::Write(EventFile("Tables.ini"), QByteArray()));
    ASSERT_TRUE(TestFiles::Write(EventFile("Groups.ini"), TestFiles::Cp1255("[Group0]\r\nGroupName=משפחה\r\n")));
    auto doc = Open();
    EXPECT_EQ(doc->GuestCount(), 0);
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_EQ(TestFiles::Read(EventFile("Guests.ini")), odd);
    EXPECT_FALSE(QFileInfo::exists(EventFile("Tables.ini")));
    EXPECT_FALSE(QFileInfo::exists(EventFile("Groups.ini")));
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty());
}

TEST_F(DocumentTest, LoadingWritesNothingAndTheOlderPlanKeyIsReplacedAtSave)
{
    const QByteArray offers = TestFiles::Cp1255("[Offer0]\r\nMoneyItem=צלם\r\nShekels=3000\r\nIsInOffer=1\r\n");
    ASSERT_TRUE(TestFiles::Write(EventFile("Offers.ini"), offers));
    auto doc = Open();
    ASSERT_GE(doc->Offers().size(), 1);
    EXPECT_TRUE(doc->Offers()[0]->IsInPlan(0));
    EXPECT_EQ(TestFiles::Read(EventFile("Offers.ini")), offers);

    // A save that fails after the older keys are replaced shows them replaced.
    ASSERT_TRUE(QDir().mkpath(EventFile("WeddingData.xml")));
    EXPECT_FALSE(doc->SaveEvent());
    const CIniFile after(EventFile("Offers.ini"));
    EXPECT_FALSE(after.HasKey(QStringLiteral("Offer0"), QStringLiteral("IsInOffer")));
    EXPECT_EQ(after.GetString(QStringLiteral("Offer0"), QStringLiteral("IsInPlan0")), QStringLiteral("1"));
}

TEST_F(DocumentTest, ASaveRemovesTheTemporaryFileOfAKilledSave)
{
    ASSERT_TRUE(TestFiles::Write(EventFile("Guests.ini"), TestFiles::Cp1255("[Guest0]\r\nNM=משה\r\n")));
    ASSERT_TRUE(TestFiles::Write(EventFile("WeddingData.xml.Zk3p9Q"), "complete, never renamed"));
    ASSERT_TRUE(TestFiles::Write(EventFile("Settings.ini.a8Bc2D"), "complete, never renamed"));
    auto doc = Open();
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(EventFile("WeddingData.xml.Zk3p9Q")));
    EXPECT_FALSE(QFileInfo::exists(EventFile("Settings.ini.a8Bc2D")));
    EXPECT_TRUE(QFileInfo::exists(EventFile("WeddingData.xml")));
}

TEST_F(DocumentTest, ASketchOfTheOldestVersionsIsReadInPlaceAndGoesWithTheConversion)
{
    const QByteArray sketch = "[Shapes0]\r\nShapeType=1\r\nShapeName=Stage\r\nTableSizeX=100\r\nTableSizeY=50\r\n";
    ASSERT_TRUE(TestFiles::Write(EventFile("GanArrangement.gan"), sketch));
    auto doc = Open();
    EXPECT_EQ(doc->Shapes().size(), 1);
    EXPECT_EQ(TestFiles::Read(EventFile("GanArrangement.gan")), sketch);
    EXPECT_FALSE(QFileInfo::exists(EventFile("GanArrangement.ini")));
    ASSERT_TRUE(doc->SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(EventFile("GanArrangement.gan")));
    EXPECT_EQ(Open()->Shapes().size(), 1);
}

}
