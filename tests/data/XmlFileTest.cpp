#include "data/records/Category.h"
#include "data/records/Circle.h"
#include "data/storage/EventFile.h"
#include "data/records/EventRecords.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/RecordOwner.h"
#include "data/records/ShapeFactory.h"
#include "data/records/Table.h"
#include "data/storage/XmlImportSink.h"
#include "data/storage/XmlParser.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <climits>

#include <gtest/gtest.h>

namespace {

// The document's side of the records: guests found by full name in the event's own lists.
class EventOwner : public IRecordOwner
{
public:
    const QList<CGuest*>& GetGuests() const override { return records.guests; }
    CGuest* FindGuestByFullName(const QString& fullName) const override
    {
        for (CGuest* guest : records.guests) {
            if (guest->GetFullName() == fullName)
                return guest;
        }
        return nullptr;
    }
    int TableNumberBySerial(int serial) const override
    {
        for (int i = 0; i < records.tables.size(); ++i) {
            if (records.tables[i]->GetSerial() == serial)
                return i;
        }
        return -1;
    }
    qint64 SeatedSum(int, int) const override { return 0; }
    void GuestTableChanged(CGuest&) override {}

    CEventRecords records;
};

// A table shape of the sketch stands for a table record and is not written with the shapes.
class TableShape : public CShape
{
public:
    int ShapeType() const override { return KindTable; }
    Size InitialSize() const override { return {100, 100}; }
    bool IsTable() const override { return true; }
    bool IsStored() const override { return false; }
};

QByteArray Golden()
{
    return TestFiles::Read(TestFiles::Fixture(QStringLiteral("fixtures/golden/WeddingData.xml")));
}

// A data file around the given collections' content.
QByteArray DataFile(const QByteArray& inner)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n" + inner + "</WeddingData>\r\n";
}

class XmlFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_language = Language::Current();
        Language::Set(UiLanguage::Hebrew);
    }
    void TearDown() override { Language::Set(m_language); }

    long Parse(const QByteArray& bytes, IXmlImportSink* sink = nullptr)
    {
        CXmlParser parser(owner.records, nullptr, &owner);
        return parser.ParseData(bytes, sink);
    }

    // The small event of the reference file.
    void BuildSmallEvent()
    {
        CEventRecords& records = owner.records;
        auto* dana = new CGuest(nullptr, &owner);
        auto* avi = new CGuest(nullptr, &owner);
        records.guests = {dana, avi};
        dana->SetName(QStringLiteral("Dana"));
        dana->SetFamilyName(QStringLiteral("Levi"));
        avi->SetName(QStringLiteral("Avi"));
        avi->SetFamilyName(QStringLiteral("Cohen"));
        dana->AddRestriction(avi->GetFullName(), true);

        dana->SetUniqueId(1001);
        dana->SetNotes(QStringLiteral("likes jazz\r\nallergic to nuts"));
        dana->SetTableIndex(1);
        dana->SetKids(1);
        dana->SetNeedKidsChair(true);
        dana->SetComing(3);
        dana->SetInvited(4);
        dana->SetInvitationSent(true);
        dana->SetStatus(1);
        dana->SetGiftDollars(150);
        dana->SetGiftInfo(QStringLiteral("by cheque"));
        dana->SetGift(QStringLiteral("cheque"));
        dana->SetAddress(QStringLiteral("Herzl 1\r\nTel Aviv"));
        dana->SetPhone(QStringLiteral("03-1234567"));
        dana->SetMobilePhone(QStringLiteral("050-7654321"));
        dana->SetSmsCount(2);
        dana->SetGroupName(QStringLiteral("משפחה"));
        dana->SetRelation(QStringLiteral("כלה"));
        dana->SetEmail(QStringLiteral("dana@example.com"));
        dana->SetTransport(2);

        avi->SetUniqueId(1002);
        avi->SetStatus(2);
        avi->SetGift(QStringLiteral("a ]]> sign"));
        avi->SetGroupName(QStringLiteral("משפחה"));

        auto* expense = new CExpence;
        records.expenses.append(expense);
        expense->SetName(QStringLiteral("Hall"));
        expense->SetInfo(QStringLiteral("deposit first\r\nrest on the day"));
        expense->SetShekels(20000);
        expense->SetPayer(QStringLiteral("Couple"));
        expense->SetPaid(CPayment::PartlyPaid);
        expense->SetCategory(QStringLiteral("Halls"));
        CPayment& deposit = expense->AddPayment();
        deposit.SetShekels(5000);
        deposit.SetPaid(CPayment::Paid);
        deposit.SetDate(ShortDate{2024, 5, 1});
        deposit.SetInfo(QStringLiteral("deposit"));
        expense->AddPayment().SetShekels(15000);

        auto* table = new CTable(&owner);
        records.tables.append(table);
        table->SetName(QStringLiteral("Friends"));
        table->SetHallNumber(1);
        table->SetArea(CTable::Area{10, 20, 40, 60});

        auto* group = new CGroup(&owner);
        records.groups.append(group);
        group->SetName(QStringLiteral("משפחה"));

        auto* meeting = new CMeeting;
        records.meetings.append(meeting);
        meeting->SetName(QStringLiteral("Caterer"));
        meeting->SetNotes(QStringLiteral("bring the menu\r\nask about wine"));
        meeting->SetContactJob(QStringLiteral("Manager"));
        meeting->SetContactAddress(QStringLiteral("Cakes avenue 9"));
        meeting->SetContactPhone(QStringLiteral("03-7654321"));
        meeting->SetContactName(QStringLiteral("Yossi"));
        meeting->SetDate(ShortDate{2024, 6, 15});

        auto* category = new CCategory;
        records.categories.append(category);
        category->SetName(QStringLiteral("Halls"));

        auto* offer = new COffer;
        records.offers.append(offer);
        offer->SetName(QStringLiteral("Garden Hall"));
        offer->SetNotes(QStringLiteral("price per guest\r\ndrinks included"));
        offer->SetShekels(250);
        offer->SetCategory(QStringLiteral("Halls"));
        offer->SetInPlan(0, true);
        offer->SetInPlan(2, true);
        offer->SetGuestsForOffer(120);
        offer->SetPerGuest(true);

        records.shapes.append(new TableShape);
        CShape* floor = CShapeFactory::Create(CShape::KindCircle);
        records.shapes.append(floor);
        floor->SetName(QStringLiteral("Dance floor"));
        floor->SetColor(255);
        floor->SetArea(CShape::Area{100, 200, 400, 350});
    }

    EventOwner owner;

private:
    UiLanguage m_language = UiLanguage::Hebrew;
};

TEST_F(XmlFile, SmallEventIsWrittenAsTheReferenceFile)
{
    BuildSmallEvent();
    const QByteArray golden = Golden();
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(CEventFile::Build(owner.records).toStdString(), golden.toStdString());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("WeddingData.xml"));
    ASSERT_TRUE(CEventFile::Write(path, owner.records));
    EXPECT_EQ(TestFiles::Read(path), golden);
}

TEST_F(XmlFile, ReferenceFileReadsBackAndIsWrittenAgainIdentically)
{
    const QByteArray golden = Golden();
    ASSERT_EQ(Parse(golden), 0);
    const CEventRecords& records = owner.records;
    ASSERT_EQ(records.guests.size(), 2);
    ASSERT_EQ(records.expenses.size(), 1);
    ASSERT_EQ(records.tables.size(), 1);
    ASSERT_EQ(records.groups.size(), 1);
    ASSERT_EQ(records.meetings.size(), 1);
    ASSERT_EQ(records.categories.size(), 1);
    ASSERT_EQ(records.offers.size(), 1);
    ASSERT_EQ(records.shapes.size(), 1);

    const CGuest& dana = *records.guests[0];
    EXPECT_EQ(dana.GetNotes(), QStringLiteral("likes jazz\r\nallergic to nuts"));
    EXPECT_EQ(dana.GetAddress(), QStringLiteral("Herzl 1\r\nTel Aviv"));
    EXPECT_EQ(dana.GetUniqueId(), 1001);
    EXPECT_EQ(dana.GetTransport(), 2);
    EXPECT_FLOAT_EQ(dana.GetGiftDollars(), 150.0f);
    EXPECT_TRUE(dana.GetNeedKidsChair());
    EXPECT_EQ(dana.GetRestrictions(), QStringList{QStringLiteral("Avi Cohen")});
    const CGuest& avi = *records.guests[1];
    EXPECT_EQ(avi.GetGift(), QStringLiteral("a ]]> sign"));
    EXPECT_EQ(avi.GetTransport(), 0);
    EXPECT_EQ(avi.GetRestrictions(), QStringList{QStringLiteral("Dana Levi")});
    EXPECT_GE(owner.records.counters.UniqueIdCounter(), 1002);

    const CExpence& expense = *records.expenses[0];
    EXPECT_EQ(expense.GetInfo(), QStringLiteral("deposit first\r\nrest on the day"));
    ASSERT_EQ(expense.GetPaymentCount(), 2);
    EXPECT_EQ(expense.GetPayment(0)->GetDate(), (ShortDate{2024, 5, 1}));
    EXPECT_EQ(expense.GetPaid(), CPayment::PartlyPaid);
    EXPECT_EQ(records.tables[0]->GetId(), 0);
    EXPECT_EQ(records.tables[0]->GetArea(), (CTable::Area{10, 20, 40, 60}));
    EXPECT_EQ(records.meetings[0]->GetNotes(), QStringLiteral("bring the menu\r\nask about wine"));
    EXPECT_EQ(records.offers[0]->GetNotes(), QStringLiteral("price per guest\r\ndrinks included"));
    EXPECT_EQ(records.shapes[0]->ShapeType(), CShape::KindCircle);

    // Read from the file, nothing is waiting to be saved.
    for (const CGuest* guest : records.guests)
        EXPECT_FALSE(guest->IsModified());
    EXPECT_FALSE(expense.IsModified());
    EXPECT_FALSE(records.tables[0]->IsModified());
    EXPECT_FALSE(records.meetings[0]->IsModified());
    EXPECT_FALSE(records.offers[0]->IsModified());
    EXPECT_FALSE(records.shapes[0]->IsModified());

    EXPECT_EQ(CEventFile::Build(records).toStdString(), golden.toStdString());
}

TEST_F(XmlFile, GuestWithoutRestrictionsHasAnEmptyRestrictionsElement)
{
    owner.records.guests.append(new CGuest(nullptr, &owner));
    const QByteArray file = CEventFile::Build(owner.records);
    EXPECT_TRUE(file.contains("<eMail><![CDATA[]]></eMail>\r\n<Restrictions></Restrictions>\r\n</Guest>\r\n\r\n"));
    EXPECT_FALSE(file.contains("Transportation"));
}

TEST_F(XmlFile, EmptyEventIsTheBareEnvelope)
{
    EXPECT_EQ(CEventFile::Build(owner.records),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n</Guests>\r\n"
                         "<Expences>\r\n</Expences>\r\n<Tables>\r\n</Tables>\r\n<Groups>\r\n</Groups>\r\n"
                         "<Meetings>\r\n</Meetings>\r\n<Categories>\r\n</Categories>\r\n<Offers>\r\n</Offers>\r\n"
                         "<Shapes>\r\n</Shapes>\r\n</WeddingData>\r\n"));
}

TEST_F(XmlFile, ElementNamesMatchWithoutRegardToCase)
{
    ASSERT_EQ(Parse(DataFile("<GUESTS><gUeSt><GSNAME>Dana</GSNAME><familyname>Levi</familyname>"
                             "<APPROVESTAT>1</APPROVESTAT><restrictions><RESTRICTED>Avi</RESTRICTED></restrictions>"
                             "</gUeSt></GUESTS><tables><TABLE><TNAME>Friends</TNAME></TABLE></tables>")),
              0);
    ASSERT_EQ(owner.records.guests.size(), 1);
    EXPECT_EQ(owner.records.guests[0]->GetFullName(), QStringLiteral("Dana Levi"));
    EXPECT_EQ(owner.records.guests[0]->GetStatus(), 1);
    EXPECT_TRUE(owner.records.guests[0]->HasRestriction(QStringLiteral("Avi")));
    ASSERT_EQ(owner.records.tables.size(), 1);
    EXPECT_EQ(owner.records.tables[0]->GetName(), QStringLiteral("Friends"));
}

TEST_F(XmlFile, TextsAreJoinedOverChunksAndTrimmedAtBothEnds)
{
    const QString longNotes = QString(QStringLiteral("word ")).repeated(20000).trimmed();
    const QByteArray file = DataFile("<Guests><Guest>"
                                     "<gsName>  Dana  </gsName>"
                                     "<FamilyName> <![CDATA[ Levi ]]> </FamilyName>"
                                     "<Gift> a &amp; b &#x5D0; c </Gift>"
                                     "<GiftInfo><![CDATA[x ]]]]><![CDATA[> y]]></GiftInfo>"
                                     "<Info>"
                                     + longNotes.toUtf8()
                                     + "</Info>"
                                       "<Address>\r\n  Herzl 1\r\nTel Aviv\r\n</Address>"
                                       "</Guest></Guests>");
    ASSERT_EQ(Parse(file), 0);
    ASSERT_EQ(owner.records.guests.size(), 1);
    const CGuest& guest = *owner.records.guests[0];
    EXPECT_EQ(guest.GetName(), QStringLiteral("Dana"));
    EXPECT_EQ(guest.GetFamilyName(), QStringLiteral("Levi"));
    EXPECT_EQ(guest.GetGift(), QStringLiteral("a & b א c"));
    EXPECT_EQ(guest.GetGiftInfo(), QStringLiteral("x ]]> y"));
    EXPECT_EQ(guest.GetNotes(), longNotes);
    EXPECT_EQ(guest.GetAddress(), QStringLiteral("Herzl 1\r\nTel Aviv"));
}

TEST_F(XmlFile, NumbersFlagsAndStatusReadAsTheRecordsExpect)
{
    ASSERT_EQ(Parse(DataFile("<Guests>"
                             "<Guest><UniqueId>5000</UniqueId><ApproveStat>3</ApproveStat><ThatCame>2</ThatCame>"
                             "<Coming>abc</Coming><Invited>12 people</Invited><KidSeat>yes</KidSeat>"
                             "<InvSent> 1 </InvSent><DollarsGift>99.5</DollarsGift><SekelsGift>lots</SekelsGift>"
                             "<TableOrder>-</TableOrder></Guest>"
                             "<Guest><UniqueId>1200</UniqueId><ApproveStat>5</ApproveStat><ThatCame>0</ThatCame>"
                             "<Coming>99999999999</Coming></Guest>"
                             "</Guests>")),
              0);
    ASSERT_EQ(owner.records.guests.size(), 2);
    const CGuest& first = *owner.records.guests[0];
    EXPECT_EQ(first.GetUniqueId(), 5000);
    EXPECT_EQ(first.GetStatus(), 0);
    EXPECT_EQ(first.GetCameCount(), 2);
    EXPECT_TRUE(first.GetArrived());
    EXPECT_EQ(first.GetComing(), 0);
    EXPECT_EQ(first.GetInvited(), 12);
    EXPECT_FALSE(first.GetNeedKidsChair());
    EXPECT_TRUE(first.GetInvitationSent());
    EXPECT_FLOAT_EQ(first.GetGiftDollars(), 99.5f);
    EXPECT_FLOAT_EQ(first.GetGiftShekels(), 0.0f);
    EXPECT_EQ(first.GetTableIndex(), 0);
    const CGuest& second = *owner.records.guests[1];
    EXPECT_EQ(second.GetStatus(), 5);
    EXPECT_FALSE(second.GetArrived());
    EXPECT_EQ(second.GetComing(), INT_MAX);
    // The second guest took 5001 when it was made; its lower stored id leaves the counter there.
    EXPECT_EQ(owner.records.counters.UniqueIdCounter(), 5001);
}

TEST_F(XmlFile, RestrictionsAreReadAsWritten)
{
    ASSERT_EQ(Parse(DataFile("<Guests><Guest><gsName>Avi</gsName></Guest>"
                             "<Guest><gsName>Dana</gsName><Restrictions><Restricted>Avi</Restricted>"
                             "<Restricted>Avi</Restricted><Restricted>Rina</Restricted></Restrictions></Guest>"
                             "</Guests>")),
              0);
    ASSERT_EQ(owner.records.guests.size(), 2);
    EXPECT_TRUE(owner.records.guests[0]->GetRestrictions().isEmpty());
    EXPECT_EQ(owner.records.guests[1]->GetRestrictions(), (QStringList{QStringLiteral("Avi"), QStringLiteral("Rina")}));
}

TEST_F(XmlFile, TablesAreNumberedByTheirPlaceAndSizedFromTheirCorner)
{
    owner.records.tables.append(new CTable(&owner));
    owner.records.tables[0]->SetId(0);
    ASSERT_EQ(Parse(DataFile("<Tables><Table><tName>A</tName><tCordX>10</tCordX><tCordY>20</tCordY>"
                             "<tWidth>30</tWidth><tHeight>40</tHeight></Table>"
                             "<Table><tName>B\r\nsecond line</tName></Table></Tables>")),
              0);
    ASSERT_EQ(owner.records.tables.size(), 3);
    EXPECT_EQ(owner.records.tables[1]->GetId(), 1);
    EXPECT_EQ(owner.records.tables[1]->GetArea(), (CTable::Area{10, 20, 40, 60}));
    EXPECT_EQ(owner.records.tables[2]->GetId(), 2);
    EXPECT_EQ(owner.records.tables[2]->GetName(), QStringLiteral("B\r\nsecond line"));
}

TEST_F(XmlFile, TruncatedFileKeepsTheRecordsBeforeTheBreak)
{
    const QByteArray golden = Golden();
    const qsizetype cut = golden.indexOf("<gsName><![CDATA[Avi");
    ASSERT_GT(cut, 0);
    EXPECT_EQ(Parse(golden.left(cut)), CXmlParser::kFailed);
    ASSERT_EQ(owner.records.guests.size(), 2);
    EXPECT_EQ(owner.records.guests[0]->GetFullName(), QStringLiteral("Dana Levi"));
    EXPECT_FALSE(owner.records.guests[0]->IsModified());
    // The guest that was cut off keeps what was read of it.
    EXPECT_EQ(owner.records.guests[1]->GetFamilyName(), QStringLiteral("Cohen"));
    EXPECT_TRUE(owner.records.expenses.isEmpty());
}

TEST_F(XmlFile, MalformedUtf8IsReadAsReplacementCharactersAndTheRestIsKept)
{
    QByteArray file = Golden();
    const qsizetype at = file.indexOf("<Guest>", file.indexOf("</Guest>"));
    file.insert(file.indexOf("Cohen", at), "\xC3\x28");
    EXPECT_EQ(Parse(file), CXmlParser::kFailed);
    ASSERT_EQ(owner.records.guests.size(), 2);
    EXPECT_EQ(owner.records.guests[0]->GetFullName(), QStringLiteral("Dana Levi"));
    EXPECT_EQ(owner.records.guests[1]->GetFamilyName(), QString(QChar::ReplacementCharacter) + QStringLiteral("(Cohen"));
    EXPECT_EQ(owner.records.guests[1]->GetName(), QStringLiteral("Avi"));
    EXPECT_EQ(owner.records.tables.size(), 1);
}

TEST_F(XmlFile, BadInputFailsWithoutRecords)
{
    QTemporaryDir dir;
    CXmlParser parser(owner.records, nullptr, &owner);
    EXPECT_EQ(parser.Parse(dir.path()), CXmlParser::kFailed);
    EXPECT_EQ(parser.Parse(dir.filePath(QStringLiteral("missing.xml"))), CXmlParser::kFailed);
    const QString empty = dir.filePath(QStringLiteral("empty.xml"));
    ASSERT_TRUE(TestFiles::Write(empty, QByteArray()));
    EXPECT_EQ(parser.Parse(empty), CXmlParser::kFailed);
    EXPECT_EQ(parser.ParseData("<WeddingData><Guests><Guest></Guests></Guest></WeddingData>"), CXmlParser::kFailed);
    EXPECT_EQ(parser.ParseData("not xml at all"), CXmlParser::kFailed);
    EXPECT_EQ(owner.records.guests.size(), 1);
    EXPECT_TRUE(owner.records.tables.isEmpty());
}

TEST_F(XmlFile, UnknownElementsAndStrayTextAreIgnored)
{
    ASSERT_EQ(Parse(DataFile("stray<Unknown a=\"1\"><Deeper>text</Deeper></Unknown><Guests><Guest>"
                             "<gsName>Dana</gsName><Nickname>Dee</Nickname><Info>inside<b>bold</b>text</Info>"
                             "</Guest><Note>outside</Note></Guests><gsName>no guest</gsName>")),
              0);
    ASSERT_EQ(owner.records.guests.size(), 1);
    EXPECT_EQ(owner.records.guests[0]->GetName(), QStringLiteral("Dana"));
    EXPECT_EQ(owner.records.guests[0]->GetNotes(), QStringLiteral("insideboldtext"));
}

TEST_F(XmlFile, HostileFilesEndQuicklyAndReadNothingOutside)
{
    QTemporaryDir dir;
    const QString secret = dir.filePath(QStringLiteral("secret.txt"));
    ASSERT_TRUE(TestFiles::Write(secret, "secret"));
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE WeddingData [\n<!ENTITY a \"aaaaaaaaaa\">\n";
    for (char c = 'b'; c <= 'j'; ++c)
        bomb += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&") + char(c - 1) + ";" + QByteArray("&") + char(c - 1)
            + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1)
            + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";\">\n";
    bomb += "<!ENTITY outside SYSTEM \"" + QUrl::fromLocalFile(secret).toEncoded() + "\">\n<!ENTITY zero SYSTEM \"/dev/zero\">\n]>\n"
            "<WeddingData><Guests><Guest><gsName>&outside;&zero;</gsName></Guest>"
            "<Guest><gsName>&j;</gsName></Guest></Guests></WeddingData>";
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(Parse(bomb), CXmlParser::kFailed);
    // A file that declares entities is refused before any is expanded or fetched.
    EXPECT_TRUE(owner.records.guests.isEmpty());

    QByteArray deep = DataFile("<Guests><Guest><gsName>Dana</gsName></Guest>");
    deep += QByteArray("<a>").repeated(1000000);
    EXPECT_EQ(Parse(deep), CXmlParser::kFailed);
    EXPECT_EQ(owner.records.guests.last()->GetName(), QStringLiteral("Dana"));
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST_F(XmlFile, LargeFileIsReadWhole)
{
    const QByteArray notes = QByteArray("x").repeated(5000);
    QByteArray guests = "<Guests>";
    for (int i = 0; i < 10000; ++i)
        guests += "<Guest><gsName>G" + QByteArray::number(i) + "</gsName><Info><![CDATA[" + notes + "]]></Info></Guest>\r\n";
    guests += "</Guests>";
    const QByteArray file = DataFile(guests);
    ASSERT_GT(file.size(), 50 * 1000 * 1000);
    ASSERT_EQ(Parse(file), 0);
    ASSERT_EQ(owner.records.guests.size(), 10000);
    EXPECT_EQ(owner.records.guests.last()->GetName(), QStringLiteral("G9999"));
    EXPECT_EQ(owner.records.guests.last()->GetNotes().size(), 5000);
}

// Records what the reader hands over, and owns it.
class RecordingSink : public IXmlImportSink
{
public:
    ~RecordingSink() override
    {
        qDeleteAll(guests);
        qDeleteAll(groups);
    }
    void TakeNewGuest(CGuest* guest) override
    {
        guests.append(guest);
        calls << QStringLiteral("guest");
    }
    void TakeNewGroup(CGroup* group) override
    {
        groups.append(group);
        calls << QStringLiteral("group");
    }
    void GuestComplete(CGuest* guest) override
    {
        calls << QStringLiteral("complete ") + guest->GetName() + (guest->IsModified() ? QStringLiteral(" modified") : QString());
    }
    void FileDone() override { calls << QStringLiteral("done"); }

    QStringList calls;
    QList<CGuest*> guests;
    QList<CGroup*> groups;
};

TEST_F(XmlFile, SinkHearsItsFourCallsInOrder)
{
    RecordingSink sink;
    ASSERT_EQ(Parse(Golden(), &sink), 0);
    EXPECT_EQ(sink.calls, (QStringList{QStringLiteral("guest"), QStringLiteral("complete Dana"), QStringLiteral("guest"),
                                       QStringLiteral("complete Avi"), QStringLiteral("group"), QStringLiteral("done")}));
    EXPECT_TRUE(owner.records.guests.isEmpty());
    EXPECT_TRUE(owner.records.groups.isEmpty());
    EXPECT_EQ(owner.records.tables.size(), 1);
}

TEST_F(XmlFile, SinkIsNotToldOfAFileThatFailed)
{
    RecordingSink sink;
    const QByteArray golden = Golden();
    EXPECT_EQ(Parse(golden.left(golden.indexOf("<gsName><![CDATA[Avi")), &sink), CXmlParser::kFailed);
    EXPECT_EQ(sink.calls, (QStringList{QStringLiteral("guest"), QStringLiteral("complete Dana"), QStringLiteral("guest")}));
}

TEST_F(XmlFile, WriteFailsWithoutTouchingWhatIsThere)
{
    BuildSmallEvent();
    QTemporaryDir dir;
    EXPECT_FALSE(CEventFile::Write(dir.filePath(QStringLiteral("missing/WeddingData.xml")), owner.records));

    const QString taken = dir.filePath(QStringLiteral("WeddingData.xml"));
    ASSERT_TRUE(QDir().mkpath(taken + QStringLiteral("/inside")));
    EXPECT_FALSE(CEventFile::Write(taken, owner.records));
    EXPECT_TRUE(QFileInfo(taken + QStringLiteral("/inside")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    const QString path = dir.filePath(QStringLiteral("other.xml"));
    ASSERT_TRUE(TestFiles::Write(path, "old"));
    ASSERT_TRUE(CEventFile::Write(path, owner.records));
    EXPECT_EQ(TestFiles::Read(path), CEventFile::Build(owner.records));
}

}
