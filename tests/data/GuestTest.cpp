#include "data/records/Guest.h"

#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/records/RecordOwner.h"
#include "data/settings/Settings.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Finds guests by full name and counts the table notifications.
class GuestList : public IRecordOwner
{
public:
    ~GuestList() override { qDeleteAll(m_guests); }
    CGuest* Add(const QString& name, const QString& familyName)
    {
        auto* guest = new CGuest(nullptr, this);
        guest->SetName(name);
        guest->SetFamilyName(familyName);
        m_guests.append(guest);
        return guest;
    }
    const QList<CGuest*>& GetGuests() const override { return m_guests; }
    CGuest* FindGuestByFullName(const QString& fullName) const override
    {
        for (CGuest* guest : m_guests) {
            if (guest->GetFullName() == fullName)
                return guest;
        }
        return nullptr;
    }
    int TableNumberBySerial(int) const override { return -1; }
    qint64 SeatedSum(int, int) const override { return 0; }
    void GuestTableChanged(CGuest&) override { ++tableChanges; }

    int tableChanges = 0;

private:
    QList<CGuest*> m_guests;
};

// Guests.ini as the older versions wrote it: Windows-1255, CR LF.
QString WriteGuestsIni(const QTemporaryDir& dir, const QStringList& lines)
{
    const QString path = dir.filePath(QStringLiteral("Guests.ini"));
    TestFiles::Write(path, TestFiles::Cp1255(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return path;
}

class GuestIni : public ::testing::Test
{
protected:
    void TearDown() override { qDeleteAll(guests); }

    void Load(const QStringList& lines)
    {
        CIniFile file(WriteGuestsIni(dir, lines));
        guests = CGuest::LoadAllIni(file, nullptr, nullptr, &counters, [this](int percent) { progress.append(percent); });
    }

    QTemporaryDir dir;
    CRecordCounters counters;
    QList<CGuest*> guests;
    QList<int> progress;
};

}

TEST_F(GuestIni, ReadsShortAndLongKeySectionsUpToTheFirstWithoutAName)
{
    const QString longNotes(300, QChar(0x05D0)); // 300 bytes in Windows-1255
    Load({"[GuestsCount]", "GuestsCount=4",
          "[Guest0]", "NM=דני", "FM=כהן", "ST=1", "CS=3", "IS=כן", "AD=הרצל 1..........תל אביב",
          "TN=03-1234567", "AI=שורה א..........שורה ב", "AN=3", "PN=4", "GN=חברים", "RL=חתן", "GI=צ'ק",
          "GA=בכניסה", "EM=dani@example.com", "IN=2", "GS=500", "GD=100", "TI=3", "NK=1", "NC=לא", "TR=2",
          "[Guest1]", "Name=רותי", "FamilyName=לוי", "Status=2", "InvitationSent=Yes", "Address1=Empty",
          "AdditionalInfo=" + longNotes, "ActualNum=1", "PlanedNum=1", "GroupName=עבודה", "NeedKidsChair=כן",
          "TableIndex=4", "NumOfKids=2", "EM=ruti@example.com",
          "[Guest2]", "NM=", "FM=משפחת ישראלי", "ST=3", "Status=3",
          "[Guest3]", "Name=", "FamilyName=גולן", "ST=3", "Status=1", "ActualNum=5", "TableIndex=2",
          "GroupName=שכנים",
          "[Guest4]", "NM=", "FM=", "FamilyName=",
          "[Guest5]", "NM=אחרי הפער"});

    ASSERT_EQ(guests.size(), 4);
    EXPECT_EQ(counters.guests.Last(), 3); // the id of the guest that did not read was given back
    EXPECT_EQ(progress, (QList<int>{22, 40, 57, 75}));

    const CGuest& dani = *guests[0];
    EXPECT_EQ(dani.GetId(), 0);
    EXPECT_EQ(dani.GetSection(), QStringLiteral("Guest0"));
    EXPECT_TRUE(dani.UsesShortKeys());
    EXPECT_FALSE(dani.IsModified());
    EXPECT_FALSE(dani.IsNew());
    EXPECT_EQ(dani.GetFullName(), QStringLiteral("דני כהן"));
    EXPECT_EQ(dani.GetStatus(), 1);
    EXPECT_EQ(dani.GetCameCount(), 3);
    EXPECT_TRUE(dani.GetArrived());
    EXPECT_TRUE(dani.GetInvitationSent());
    EXPECT_EQ(dani.GetAddress(), QStringLiteral("הרצל 1\r\nתל אביב"));
    EXPECT_EQ(dani.GetAddressHtml(), QStringLiteral("הרצל 1<br>תל אביב"));
    EXPECT_EQ(dani.GetPhone(), QStringLiteral("03-1234567"));
    EXPECT_EQ(dani.GetNotes(), QStringLiteral("שורה א\r\nשורה ב"));
    EXPECT_EQ(dani.GetComing(), 3);
    EXPECT_EQ(dani.GetInvited(), 4);
    EXPECT_EQ(dani.GetGroupName(), QStringLiteral("חברים"));
    EXPECT_EQ(dani.GetRelation(), QStringLiteral("חתן"));
    EXPECT_EQ(dani.GetGift(), QStringLiteral("צ'ק"));
    EXPECT_EQ(dani.GetGiftInfo(), QStringLiteral("בכניסה"));
    EXPECT_EQ(dani.GetEmail(), QStringLiteral("dani@example.com"));
    EXPECT_EQ(dani.GetInvitations(), 2);
    EXPECT_EQ(dani.GetGiftShekels(), 500.0f);
    EXPECT_EQ(dani.GetGiftDollars(), 100.0f);
    EXPECT_EQ(dani.GetTableIndex(), 3);
    EXPECT_EQ(dani.GetKids(), 1);
    EXPECT_FALSE(dani.GetNeedKidsChair());
    EXPECT_EQ(dani.GetTransport(), 2);

    const CGuest& ruti = *guests[1];
    EXPECT_FALSE(ruti.UsesShortKeys());
    EXPECT_TRUE(ruti.IsModified()); // written anew in the current layout
    EXPECT_EQ(ruti.GetFullName(), QStringLiteral("רותי לוי"));
    EXPECT_EQ(ruti.GetStatus(), 2);
    EXPECT_FALSE(ruti.GetArrived());
    EXPECT_FALSE(ruti.GetInvitationSent()); // only "כן" is yes
    EXPECT_TRUE(ruti.GetAddress().isEmpty());
    EXPECT_EQ(ruti.GetNotes(), longNotes.left(255));
    EXPECT_EQ(ruti.GetComing(), 1);
    EXPECT_EQ(ruti.GetInvitations(), 1);
    EXPECT_EQ(ruti.GetGroupName(), QStringLiteral("עבודה"));
    EXPECT_TRUE(ruti.GetNeedKidsChair());
    EXPECT_EQ(ruti.GetTableIndex(), 4);
    EXPECT_EQ(ruti.GetKids(), 2);
    EXPECT_EQ(ruti.GetEmail(), QStringLiteral("ruti@example.com"));

    const CGuest& family = *guests[2];
    EXPECT_TRUE(family.GetName().isEmpty());
    EXPECT_EQ(family.GetFullName(), QStringLiteral("משפחת ישראלי"));
    EXPECT_EQ(family.GetStatus(), 0);
    EXPECT_EQ(family.GetComing(), 2);
    EXPECT_EQ(family.GetInvited(), 2);

    // Only a family name in the long keys: the other long keys are still read.
    const CGuest& golan = *guests[3];
    EXPECT_FALSE(golan.UsesShortKeys());
    EXPECT_EQ(golan.GetFullName(), QStringLiteral("גולן"));
    EXPECT_EQ(golan.GetStatus(), 1);
    EXPECT_EQ(golan.GetComing(), 5);
    EXPECT_EQ(golan.GetTableIndex(), 2);
    EXPECT_EQ(golan.GetGroupName(), QStringLiteral("שכנים"));
}

TEST_F(GuestIni, LongKeySectionWithoutNameSwitchesToShortKeysWhenFmIsSet)
{
    Load({"[Guest0]", "FM=אברהם", "AN=4", "ActualNum=9", "GN=קצר"});
    ASSERT_EQ(guests.size(), 1);
    EXPECT_TRUE(guests[0]->UsesShortKeys());
    EXPECT_EQ(guests[0]->GetFamilyName(), QStringLiteral("אברהם"));
    EXPECT_EQ(guests[0]->GetComing(), 4);
    EXPECT_EQ(guests[0]->GetGroupName(), QStringLiteral("קצר"));
    EXPECT_EQ(progress, (QList<int>{75})); // no GuestsCount counts as one guest
}

TEST_F(GuestIni, FileWithoutGuestsGivesNoneAndFinalProgress)
{
    Load({"[GuestsCount]", "GuestsCount=0", "[Guest0]", "TN=123"});
    EXPECT_TRUE(guests.isEmpty());
    EXPECT_EQ(counters.guests.Last(), -1);
    EXPECT_EQ(progress, (QList<int>{75}));
}

TEST(Guest, NewRecordDefaultsAndCounters)
{
    CRecordCounters counters;
    CGuest first(nullptr, nullptr, &counters);
    CGuest second(nullptr, nullptr, &counters);
    EXPECT_EQ(first.GetId(), 0);
    EXPECT_EQ(second.GetId(), 1);
    EXPECT_EQ(first.GetUniqueId(), 1001);
    EXPECT_EQ(second.GetUniqueId(), 1002);
    EXPECT_TRUE(first.IsNew());
    EXPECT_FALSE(first.IsModified());
    EXPECT_EQ(first.GetStatus(), 3);
    EXPECT_EQ(first.GetInvited(), 2);
    EXPECT_EQ(first.GetComing(), 2);
    EXPECT_EQ(first.GetInvitations(), 1);
    EXPECT_EQ(first.GetYesNoText(true), QStringLiteral("כן"));
    EXPECT_EQ(first.GetNoNameText(), QStringLiteral("שם מוזמן לא הוקלד"));

    // An id read from the data file raises the counter without marking the guest.
    EXPECT_TRUE(first.SetUniqueId(2000));
    EXPECT_FALSE(first.IsModified());
    EXPECT_EQ(counters.UniqueIdCounter(), 2000);
    EXPECT_TRUE(second.SetUniqueId(5));
    EXPECT_EQ(counters.UniqueIdCounter(), 2000);
    EXPECT_EQ(CGuest(nullptr, nullptr, &counters).GetUniqueId(), 2001);
    // A loose guest numbers nothing.
    EXPECT_EQ(CGuest(nullptr, nullptr).GetUniqueId(), 0);
    EXPECT_EQ(counters.UniqueIdCounter(), 2001);

    first.MakeSection();
    EXPECT_EQ(first.GetSection(), QStringLiteral("Guest0"));
    EXPECT_TRUE(first.IsModified());
    first.ReleaseId();
    EXPECT_EQ(counters.guests.Last(), 1);
}

TEST(Guest, SettersReportChangesAndTableChangesNotifyOnce)
{
    GuestList owner;
    CGuest& guest = *owner.Add(QStringLiteral("דני"), QString());
    guest.ClearFlags();

    EXPECT_TRUE(guest.SetArrived(true));
    EXPECT_FALSE(guest.IsModified());
    EXPECT_TRUE(guest.SetTableIndex(3));
    EXPECT_FALSE(guest.SetTableIndex(3));
    EXPECT_EQ(owner.tableChanges, 1);
    EXPECT_TRUE(guest.IsModified());

    guest.ClearFlags();
    EXPECT_FALSE(guest.SetGiftDollars(0));
    EXPECT_FALSE(guest.SetComing(2));
    EXPECT_FALSE(guest.SetName(QStringLiteral("דני")));
    EXPECT_FALSE(guest.IsModified());
    EXPECT_TRUE(guest.SetGiftDollars(0.5f));
    EXPECT_TRUE(guest.IsModified());
}

TEST(Guest, FullNameStatusTextAndGiftValue)
{
    CSettings settings;
    settings.SetDolarToShekel(4);
    CGuest guest(&settings, nullptr);
    EXPECT_TRUE(guest.GetFullName().isEmpty());
    guest.SetFamilyName(QStringLiteral("כהן"));
    EXPECT_EQ(guest.GetFullName(), QStringLiteral("כהן"));
    guest.SetName(QStringLiteral("דני ורותי"));
    EXPECT_EQ(guest.GetFullName(), QStringLiteral("דני ורותי כהן"));
    guest.SetFamilyName(QString());
    EXPECT_EQ(guest.GetFullName(), QStringLiteral("דני ורותי"));

    guest.SetGiftDollars(100);
    guest.SetGiftShekels(250);
    guest.SetStatus(1);
    EXPECT_DOUBLE_EQ(guest.GetGiftValue(), 650);
    EXPECT_TRUE(guest.GetStatusText().isEmpty());
    EXPECT_DOUBLE_EQ(CGuest(nullptr, nullptr).GetGiftValue(), 0);

    Language::Set(UiLanguage::English);
    EXPECT_DOUBLE_EQ(guest.GetGiftValue(), 100);
    EXPECT_EQ(guest.GetStatusText(), QStringLiteral("אושר"));
    guest.SetStatus(2);
    EXPECT_EQ(guest.GetStatusText(), QStringLiteral("לא באים"));
    guest.SetStatus(0);
    EXPECT_EQ(guest.GetStatusText(), QStringLiteral("לא ידוע"));
    guest.SetStatus(7);
    EXPECT_TRUE(guest.GetStatusText().isEmpty());
    Language::Set(UiLanguage::Hebrew);
}

TEST(Guest, RestrictionsAreReciprocalAndFollowRenames)
{
    GuestList owner;
    CGuest& dani = *owner.Add(QStringLiteral("דני"), QStringLiteral("כהן"));
    CGuest& ruti = *owner.Add(QStringLiteral("רותי"), QStringLiteral("לוי"));
    CGuest& moshe = *owner.Add(QStringLiteral("משה"), QStringLiteral("גל"));

    EXPECT_TRUE(dani.AddRestriction(QStringLiteral("רותי לוי"), true));
    EXPECT_FALSE(dani.AddRestriction(QStringLiteral("רותי לוי"), true));
    EXPECT_FALSE(ruti.AddRestriction(QStringLiteral("דני כהן"), true));
    EXPECT_EQ(dani.GetRestrictions(), QStringList{QStringLiteral("רותי לוי")});
    EXPECT_EQ(ruti.GetRestrictions(), QStringList{QStringLiteral("דני כהן")});

    EXPECT_TRUE(dani.AddRestriction(QStringLiteral("משה גל"), false));
    EXPECT_FALSE(moshe.HasRestriction(QStringLiteral("דני כהן")));
    EXPECT_TRUE(dani.AddRestriction(QStringLiteral("אין כזה"), true)); // nobody to tell

    // Each guest named by dani learns dani's new name.
    moshe.AddRestriction(QStringLiteral("דני כהן"), false);
    EXPECT_TRUE(dani.SetName(QStringLiteral("דניאל")));
    EXPECT_EQ(ruti.GetRestrictions(), QStringList{QStringLiteral("דניאל כהן")});
    EXPECT_EQ(moshe.GetRestrictions(), QStringList{QStringLiteral("דניאל כהן")});
    EXPECT_TRUE(dani.SetFamilyName(QStringLiteral("כהנא")));
    EXPECT_EQ(ruti.GetRestrictions(), QStringList{QStringLiteral("דניאל כהנא")});

    // ruti's rename reaches dani's list.
    ruti.SetFamilyName(QStringLiteral("לוין"));
    EXPECT_TRUE(dani.HasRestriction(QStringLiteral("רותי לוין")));
    EXPECT_FALSE(dani.HasRestriction(QStringLiteral("רותי לוי")));

    EXPECT_TRUE(dani.RemoveRestriction(QStringLiteral("משה גל")));
    EXPECT_FALSE(dani.RemoveRestriction(QStringLiteral("משה גל")));
    EXPECT_EQ(dani.GetRestrictions(), (QStringList{QStringLiteral("רותי לוין"), QStringLiteral("אין כזה")}));
}

TEST(Guest, WriteXmlLaysOutEveryElement)
{
    CRecordCounters counters;
    counters.SetUniqueIdCounter(1041);
    CGuest guest(nullptr, nullptr, &counters);
    guest.SetName(QStringLiteral("דני"));
    guest.SetFamilyName(QStringLiteral("כהן"));
    guest.SetNotes(QStringLiteral("שורה א\r\nשורה ב"));
    guest.SetTableIndex(3);
    guest.SetKids(1);
    guest.SetNeedKidsChair(true);
    guest.SetComing(3);
    guest.SetCameCount(1);
    guest.SetInvited(4);
    guest.SetInvitations(2);
    guest.SetInvitationSent(true);
    guest.SetStatus(1);
    guest.SetGiftDollars(150);
    guest.SetGiftShekels(12.34f);
    guest.SetGiftInfo(QStringLiteral("בכניסה"));
    guest.SetGift(QStringLiteral("צ'ק"));
    guest.SetAddress(QStringLiteral("הרצל 1\r\nתל אביב"));
    guest.SetPhone(QStringLiteral("03-1234567"));
    guest.SetMobilePhone(QStringLiteral("050-1234567"));
    guest.SetSmsCount(4);
    guest.SetGroupName(QStringLiteral("חברים"));
    guest.SetRelation(QStringLiteral("חתן"));
    guest.SetEmail(QStringLiteral("dani@example.com"));
    guest.SetTransport(2);
    guest.AddRestriction(QStringLiteral("רותי לוי"), false);
    guest.AddRestriction(QStringLiteral("משה גל"), false);

    QByteArray xml;
    ASSERT_TRUE(guest.WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Guest>\r\n"
                              "<UniqueId>1042</UniqueId>\r\n"
                              "<Info><![CDATA[שורה א\r\nשורה ב]]></Info>\r\n"
                              "<TableOrder>3</TableOrder>\r\n"
                              "<NumOfKids>1</NumOfKids>\r\n"
                              "<KidSeat>1</KidSeat>\r\n"
                              "<Coming>3</Coming>\r\n"
                              "<ThatCame>1</ThatCame>\r\n"
                              "<Invited>4</Invited>\r\n"
                              "<InvNumber>2</InvNumber>\r\n"
                              "<InvSent>1</InvSent>\r\n"
                              "<ApproveStat>1</ApproveStat>\r\n"
                              "<DollarsGift>150.0</DollarsGift>\r\n"
                              "<SekelsGift>12.3</SekelsGift>\r\n"
                              "<GiftInfo><![CDATA[בכניסה]]></GiftInfo>\r\n"
                              "<Gift><![CDATA[צ'ק]]></Gift>\r\n"
                              "<Address><![CDATA[הרצל 1\r\nתל אביב]]></Address>\r\n"
                              "<gPhone><![CDATA[03-1234567]]></gPhone>\r\n"
                              "<moPhone><![CDATA[050-1234567]]></moPhone>\r\n"
                              "<SmsCount>4</SmsCount>\r\n"
                              "<gGroup><![CDATA[חברים]]></gGroup>\r\n"
                              "<gRelation><![CDATA[חתן]]></gRelation>\r\n"
                              "<FamilyName><![CDATA[כהן]]></FamilyName>\r\n"
                              "<gsName><![CDATA[דני]]></gsName>\r\n"
                              "<eMail><![CDATA[dani@example.com]]></eMail>\r\n"
                              "<Transportation>2</Transportation>\r\n"
                              "<Restrictions><Restricted><![CDATA[רותי לוי]]></Restricted>\r\n"
                              "<Restricted><![CDATA[משה גל]]></Restricted>\r\n"
                              "</Restrictions>\r\n"
                              "</Guest>\r\n"
                              "\r\n"));
}

TEST(Guest, WriteXmlOfANewGuestLeavesOutTransportAndArrivals)
{
    CRecordCounters counters;
    counters.SetUniqueIdCounter(6);
    QByteArray xml = "<Guests>\r\n";
    ASSERT_TRUE(CGuest(nullptr, nullptr, &counters).WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Guests>\r\n"
                              "<Guest>\r\n"
                              "<UniqueId>7</UniqueId>\r\n"
                              "<Info><![CDATA[]]></Info>\r\n"
                              "<TableOrder>0</TableOrder>\r\n"
                              "<NumOfKids>0</NumOfKids>\r\n"
                              "<KidSeat>0</KidSeat>\r\n"
                              "<Coming>2</Coming>\r\n"
                              "<Invited>2</Invited>\r\n"
                              "<InvNumber>1</InvNumber>\r\n"
                              "<InvSent>0</InvSent>\r\n"
                              "<ApproveStat>3</ApproveStat>\r\n"
                              "<DollarsGift>0.0</DollarsGift>\r\n"
                              "<SekelsGift>0.0</SekelsGift>\r\n"
                              "<GiftInfo><![CDATA[]]></GiftInfo>\r\n"
                              "<Gift><![CDATA[]]></Gift>\r\n"
                              "<Address><![CDATA[]]></Address>\r\n"
                              "<gPhone><![CDATA[]]></gPhone>\r\n"
                              "<moPhone><![CDATA[]]></moPhone>\r\n"
                              "<SmsCount>0</SmsCount>\r\n"
                              "<gGroup><![CDATA[]]></gGroup>\r\n"
                              "<gRelation><![CDATA[]]></gRelation>\r\n"
                              "<FamilyName><![CDATA[]]></FamilyName>\r\n"
                              "<gsName><![CDATA[]]></gsName>\r\n"
                              "<eMail><![CDATA[]]></eMail>\r\n"
                              "<Restrictions></Restrictions>\r\n"
                              "</Guest>\r\n"
                              "\r\n"));
}
