#include "app/core/EventManager.h"
#include "app/core/EventTypes.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EventTypes, EachTypeNamesTheEventByItsOwnFormat)
{
    const QString bride = QStringLiteral("דנה");
    const QString groom = QStringLiteral("אבי");
    const QStringList expected = {QStringLiteral("החתונה של דנה ואבי"), QStringLiteral("הברית של דנה "),
                                  QStringLiteral("הבריתה של דנה "),    QStringLiteral("בר המצוה של דנה "),
                                  QStringLiteral("בת המצוה של דנה "),  QStringLiteral("שבת החתן של דנה "),
                                  QStringLiteral("החינה של דנה ")};
    ASSERT_EQ(EventTypes::Count(), int(expected.size()));
    for (int type = 0; type < EventTypes::Count(); ++type)
        EXPECT_EQ(EventTypes::EventName(type, bride, groom), expected[type]) << type;
    EXPECT_EQ(EventTypes::TypeText(3), QStringLiteral("בר מצוה"));
    EXPECT_EQ(EventTypes::FirstLabel(0), QStringLiteral("הכלה"));
    EXPECT_EQ(EventTypes::FirstLabel(4), QStringLiteral("בעל השמחה"));
    EXPECT_EQ(EventTypes::NamesTitle(0), QStringLiteral("פרטי הזוג:"));
    EXPECT_EQ(EventTypes::NamesTitle(6), QStringLiteral("פרטי בעל השמחה:"));
}

class EventManagerTest : public ::testing::Test
{
protected:
    EventManagerTest()
        : m_location(m_dir.filePath(QStringLiteral("Data")))
    {
        TestFiles::Write(m_location.GetDataFolder() + "/events.ini", "[Events]\r\nActive=DB\r\n");
        TestFiles::Write(m_location.GetDataFolder() + "/DB/Settings.ini",
                         TestFiles::Cp1255(QStringLiteral("[GenSettings]\r\nEveName=החתונה של דנה ואבי\r\nEventType=0\r\n"
                                                          "[KeySettings]\r\nBrideName=דנה\r\nGroumName=אבי\r\n")));
        m_document = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        m_document->LoadEvent();
        QObject::connect(m_document.get(), &CNewZelDoc::Hint, [this](QObject*, int hint, CHintObject*) { m_hints << hint; });
    }

    // The current event with a guest who answered, came, gave and sat at a table; saved.
    void SeatedApprovedGifted()
    {
        CGuest* guest = m_document->AddGuest("Ruth", "Bar", nullptr);
        guest->SetStatus(1);
        guest->SetTableIndex(1);
        guest->SetCameCount(2);
        guest->SetArrived(true);
        guest->SetInvitationSent(true);
        guest->SetGiftShekels(500);
        guest->SetGiftDollars(20);
        guest->SetSmsCount(3);
        guest->SetGift("vase");
        guest->SetGiftInfo("blue");
        ASSERT_TRUE(m_document->SaveEvent());
    }

    static CEventDescription BarMitzvah()
    {
        CEventDescription description;
        description.type = 3;
        description.date = QDate(2027, 5, 9);
        description.brideName = QStringLiteral("דני");
        description.brideFamily = QStringLiteral("כהן");
        description.phone = QStringLiteral("03-1234567");
        description.eventName = EventTypes::EventName(3, description.brideName, QString());
        return description;
    }

    QTemporaryDir m_dir;
    CDataLocation m_location;
    CScriptedMessages m_messages;
    std::unique_ptr<CNewZelDoc> m_document;
    QList<int> m_hints;
};

TEST_F(EventManagerTest, ANewEventCopiedFromAnotherKeepsItsGuestsButNoneOfTheirAnswers)
{
    SeatedApprovedGifted();
    CEventDescription description = BarMitzvah();
    description.copyFrom = m_location.GetDataFolder() + "/DB";
    description.createGroups = false;

    ASSERT_TRUE(CEventManager(*m_document).AddEvent(description));

    EXPECT_EQ(m_document->Events().Count(), 2);
    EXPECT_EQ(m_document->Events().Active()->GetId(), "DB1");
    EXPECT_EQ(m_document->Events().Active()->GetName(), QStringLiteral("בר המצוה של דני "));
    ASSERT_EQ(m_document->Guests().size(), 1);
    const CGuest& guest = *m_document->Guests().front();
    EXPECT_EQ(guest.GetFullName(), "Ruth Bar");
    EXPECT_EQ(guest.GetStatus(), 0);
    EXPECT_EQ(guest.GetTableIndex(), 0);
    EXPECT_EQ(guest.GetCameCount(), 0);
    EXPECT_FALSE(guest.GetInvitationSent());
    EXPECT_EQ(guest.GetGiftShekels(), 0);
    EXPECT_EQ(guest.GetGiftDollars(), 0);
    EXPECT_EQ(guest.GetSmsCount(), 0);
    EXPECT_TRUE(guest.GetGift().isEmpty());
    EXPECT_TRUE(guest.GetGiftInfo().isEmpty());
    EXPECT_TRUE(m_document->Groups().isEmpty());
    // The new event is on disk at once, with its description.
    const QString settings = m_location.GetDataFolder() + "/DB1/Settings.ini";
    // The settings file keeps no blank at the end of a value.
    EXPECT_EQ(CIniFile::ReadProfileString(settings, "GenSettings", "EveName"), QStringLiteral("בר המצוה של דני"));
    EXPECT_EQ(CIniFile::ReadProfileInt(settings, "GenSettings", "EventType", -1), 3);
    EXPECT_EQ(CIniFile::ReadProfileString(settings, "KeySettings", "BrideName"), QStringLiteral("דני"));
    EXPECT_EQ(CIniFile::ReadProfileString(settings, "KeySettings", "WeddingYear"), "2027");
    EXPECT_EQ(CIniFile::ReadProfileString(settings, "KeySettings", "WeddingMonth"), "5");
    EXPECT_EQ(CIniFile::ReadProfileString(settings, "KeySettings", "WeddingDay"), "9");
    EXPECT_TRUE(QFileInfo::exists(m_location.GetDataFolder() + "/DB1/WeddingData.xml"));
    EXPECT_FALSE(m_document->IsModified());
    // The first event keeps its answers.
    EXPECT_EQ(CIniFile::ReadProfileString(m_location.GetDataFolder() + "/DB/Settings.ini", "GenSettings", "EveName"),
              QStringLiteral("החתונה של דנה ואבי"));
    EXPECT_TRUE(TestFiles::Read(m_location.GetDataFolder() + "/DB/WeddingData.xml").contains("<ApproveStat>1</ApproveStat>"));
}

TEST_F(EventManagerTest, ANewEventWithGroupsMakesThemByTheCelebrantsName)
{
    CEventDescription description = BarMitzvah();

    ASSERT_TRUE(CEventManager(*m_document).AddEvent(description));

    ASSERT_EQ(m_document->Groups().size(), 6);
    EXPECT_EQ(m_document->Groups().front()->GetName(), QStringLiteral("דני-חברים מהצבא"));
    EXPECT_EQ(m_hints.last(), HINT_EVENT_RELOADED);
}

TEST_F(EventManagerTest, ANewEventThatCannotBeMadeChangesNothing)
{
    CEventDescription description = BarMitzvah();
    description.copyFrom = m_location.GetDataFolder() + "/NoSuchEvent";

    EXPECT_FALSE(CEventManager(*m_document).AddEvent(description));

    EXPECT_EQ(m_document->Events().Count(), 1);
    EXPECT_EQ(m_document->Events().Active()->GetId(), "DB");
    EXPECT_EQ(m_document->Settings().GetEveName(), QStringLiteral("החתונה של דנה ואבי"));
    EXPECT_EQ(m_document->Settings().GetEventType(), 0);
    EXPECT_EQ(m_document->Settings().Key("BrideName"), QStringLiteral("דנה"));
    EXPECT_FALSE(QFileInfo::exists(m_location.GetDataFolder() + "/DB1"));
    ASSERT_EQ(m_messages.ShownMessages().size(), 1);
    EXPECT_EQ(m_messages.ShownMessages()[0].text,
              "לא ניתן היה ליצור את הארוע החדש בספריה:\r\n" + m_location.GetDataFolder() +
                  "/DB1\r\nהארוע הנוכחי נשאר פעיל ללא שינוי.");
    EXPECT_EQ(m_messages.ShownMessages()[0].caption, QStringLiteral("הארוע לא נוצר"));
}

TEST_F(EventManagerTest, CancelOfTheClosingQuestionStopsTheNewEvent)
{
    m_document->AppSettings().SetAutoSaveOnExit(false);
    m_document->AddGuest("Ruth", "Bar", nullptr);
    m_messages.Answer({MSG_RESULT_CANCEL});

    EXPECT_FALSE(CEventManager(*m_document).AddEvent(BarMitzvah()));

    EXPECT_EQ(m_messages.ShownMessages()[0].text, QStringLiteral("ישנם שינוים בילתי שמורים. האם לשמור ?"));
    EXPECT_EQ(m_document->Events().Count(), 1);
    EXPECT_EQ(m_document->Guests().size(), 1);
}

TEST_F(EventManagerTest, ASaveThatFailsStopsTheSwitch)
{
    CEventDescription description = BarMitzvah();
    ASSERT_TRUE(CEventManager(*m_document).AddEvent(description));
    CZelEvent* first = m_document->Events().At(0);
    m_document->AddGuest("Unsaved", "Edit", nullptr);
    // The event's folder is gone and a file stands in its place: nothing can be written there.
    const QString folder = m_location.GetDataFolder() + "/DB1";
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(TestFiles::Write(folder, "in the way"));

    EXPECT_FALSE(CEventManager(*m_document).SwitchEvent(first));

    EXPECT_EQ(m_document->Events().Active()->GetId(), "DB1");
    EXPECT_EQ(m_document->Guests().back()->GetFullName(), "Unsaved Edit");
    EXPECT_TRUE(m_document->IsModified());
}

TEST_F(EventManagerTest, SwitchingLoadsTheChosenEventAndTheActiveOneIsNotAskedAbout)
{
    SeatedApprovedGifted();
    ASSERT_TRUE(CEventManager(*m_document).AddEvent(BarMitzvah()));
    m_document->AppSettings().SetAutoSaveOnExit(false);
    m_document->AddGuest("Unsaved", "Edit", nullptr);

    EXPECT_TRUE(CEventManager(*m_document).SwitchEvent(m_document->Events().Active()));
    EXPECT_TRUE(m_messages.ShownMessages().isEmpty());

    m_messages.Answer({MSG_RESULT_NO});
    EXPECT_TRUE(CEventManager(*m_document).SwitchEvent(m_document->Events().At(0)));

    EXPECT_EQ(m_document->Events().Active()->GetId(), "DB");
    EXPECT_EQ(m_document->Settings().GetEveName(), QStringLiteral("החתונה של דנה ואבי"));
    ASSERT_EQ(m_document->Guests().size(), 1);
    EXPECT_EQ(m_document->Guests().front()->GetStatus(), 1);
}

TEST_F(EventManagerTest, DetailsStoreTheCodeAndRenameTheEvent)
{
    CEventDescription description = CEventManager(*m_document).Current();
    EXPECT_EQ(description.brideName, QStringLiteral("דנה"));
    EXPECT_EQ(description.eventName, QStringLiteral("החתונה של דנה ואבי"));
    description.eventCode = "A17";
    description.groomName = QStringLiteral("יוסי");
    description.eventName = EventTypes::EventName(description.type, description.brideName, description.groomName);

    CEventManager(*m_document).ApplyDetails(description);

    EXPECT_EQ(m_document->Settings().Key("EventCode"), "A17");
    EXPECT_EQ(m_document->Settings().Key("GroumName"), QStringLiteral("יוסי"));
    EXPECT_EQ(m_document->Events().Active()->GetName(), QStringLiteral("החתונה של דנה ויוסי"));
    EXPECT_EQ(m_document->Groups().size(), 12);
    EXPECT_TRUE(m_document->IsModified());
}

TEST_F(EventManagerTest, OnlyNamedEventsAreOfferedToCopyFrom)
{
    ASSERT_TRUE(QDir().mkpath(m_location.GetDataFolder() + "/DB1"));
    m_document = std::make_unique<CNewZelDoc>(m_location, &m_messages);
    ASSERT_EQ(m_document->Events().Count(), 2);
    m_document->Events().At(1)->SetName(QString());

    const QList<CZelEvent*> events = CEventManager(*m_document).NamedEvents();

    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events.front()->GetId(), "DB");
}

}
