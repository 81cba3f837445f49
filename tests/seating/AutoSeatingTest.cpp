#include "seating/core/AutoSeating.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

const QString kCaption = QStringLiteral("סידור שולחנות אוטומטי");
const QString kUnseatedQuestion =
    QStringLiteral("סידור שולחנות אוטומטי יצור שולחנות עבור\r\nכל המוזמנים שאינם משובצים. האם להמשיך?");
const QString kAllQuestion = QStringLiteral(
    "שיבוץ מוזמנים אוטומטי ישבץ לשולחנות את המוזמנים על פי \r\nהקבוצה שלהם. כל השולחנות הקימים ימחקו!!!\r\n"
    "האם להמשיך?");
const QString kGroupDone = QStringLiteral("הוספת שולחן הסתימה");

// Every hint the document sends, in order.
class CHintLog
{
public:
    explicit CHintLog(CNewZelDoc& document)
    {
        QObject::connect(&document, &CNewZelDoc::Hint, &m_context,
                         [this](QObject*, int hint, CHintObject*) { m_hints.append(hint); });
    }
    const QList<int>& Hints() const { return m_hints; }

private:
    QObject m_context;
    QList<int> m_hints;
};

// An event with table 0 alone, tables of the size given and one group per name.
class AutoSeatingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_event.SetRealTables(0);
        m_event.Doc().Settings().SetNumberOfGuestsInTable(10);
    }

    CNewZelDoc& Doc() { return m_event.Doc(); }
    QList<CGuest*> AddGuests(const QString& group, const QList<int>& coming)
    {
        QList<CGuest*> guests;
        for (int people : coming)
            guests << m_event.AddGuest(QStringLiteral("G%1").arg(++m_guestNumber), QStringLiteral("Family"), people, 0,
                                       group);
        return guests;
    }
    QStringList TableNames()
    {
        QStringList names;
        for (const CTable* table : m_event.Doc().Tables())
            names << table->GetName();
        return names;
    }
    static QList<int> TablesOf(const QList<CGuest*>& guests)
    {
        QList<int> tables;
        for (const CGuest* guest : guests)
            tables << guest->GetTableIndex();
        return tables;
    }
    int SeatUnseatedWithYes()
    {
        m_event.Messages().Answer({MSG_RESULT_YES});
        return CAutoSeating(Doc()).SeatUnseated();
    }

    CViewTestEvent m_event;
    int m_guestNumber = 0;
};

}

TEST_F(AutoSeatingTest, PassZeroPacksOneTableAndPassOneOpensTablesForTheWaitingGuests)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {4, 4, 3, 2, 6});
    m_event.Messages().Forget();
    CHintLog log(Doc());

    EXPECT_EQ(SeatUnseatedWithYes(), 5);

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kUnseatedQuestion);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kCaption);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(TableNames().mid(1), (QStringList{"G - 0", "G - 1"}));
    EXPECT_EQ(TablesOf(guests), (QList<int>{1, 1, 2, 1, 2}));
    EXPECT_EQ(Doc().SeatedSum(1, CTable::CountComing), 10);
    EXPECT_EQ(Doc().SeatedSum(2, CTable::CountComing), 9);
    EXPECT_EQ(Doc().Tables()[1]->GetSeats(), 10);
    EXPECT_EQ(Doc().Tables()[1]->GetHallNumber(), 1);
    EXPECT_EQ(Doc().Tables()[2]->GetHallNumber(), 2);
    // The views hear the rebuilt seating once, not each table and guest.
    EXPECT_EQ(log.Hints(), (QList<int>{HINT_SEATING_REBUILT}));
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(AutoSeatingTest, AGuestBiggerThanATableGetsOneOfItsOwn)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {12, 1});
    SeatUnseatedWithYes();
    EXPECT_EQ(TableNames().mid(1), (QStringList{"G - 0", "G - 1"}));
    EXPECT_EQ(TablesOf(guests), (QList<int>{2, 1}));
    EXPECT_EQ(Doc().SeatedSum(2, CTable::CountComing), 12);
    EXPECT_EQ(Doc().Tables()[2]->GetSeats(), 10);
}

TEST_F(AutoSeatingTest, AGuestOfExactlyTheTableSizeFillsTheFirstTable)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {10});
    SeatUnseatedWithYes();
    EXPECT_EQ(TableNames().mid(1), (QStringList{"G - 0"}));
    EXPECT_EQ(TablesOf(guests), (QList<int>{1}));
}

TEST_F(AutoSeatingTest, ASecondRunSkipsTheNamesInUseAndLeavesTheOldTablesAlone)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> first = AddGuests("G", {6, 6});
    SeatUnseatedWithYes();
    ASSERT_EQ(TableNames().mid(1), (QStringList{"G - 0", "G - 1"}));

    const QList<CGuest*> second = AddGuests("G", {1, 6, 6});
    SeatUnseatedWithYes();
    EXPECT_EQ(TableNames().mid(1), (QStringList{"G - 0", "G - 1", "G - 2", "G - 3"}));
    EXPECT_EQ(TablesOf(first), (QList<int>{1, 2}));
    EXPECT_EQ(TablesOf(second), (QList<int>{3, 3, 4}));
    EXPECT_EQ(Doc().Tables()[4]->GetHallNumber(), 4);
}

TEST_F(AutoSeatingTest, NewTablesTakeTheFreeHallNumbersInOrder)
{
    Doc().CreateTable("A", 1, 10);
    Doc().CreateTable("B", 3, 10);
    m_event.AddGroups({"G"});
    AddGuests("G", {10, 10, 10});
    SeatUnseatedWithYes();
    ASSERT_EQ(Doc().Tables().size(), 6);
    EXPECT_EQ(Doc().Tables()[3]->GetHallNumber(), 2);
    EXPECT_EQ(Doc().Tables()[4]->GetHallNumber(), 4);
    EXPECT_EQ(Doc().Tables()[5]->GetHallNumber(), 5);
}

TEST_F(AutoSeatingTest, GroupsDifferingOnlyInCaseAreDistinct)
{
    m_event.AddGroups({"g", "G"});
    const QList<CGuest*> upper = AddGuests("G", {2});
    const QList<CGuest*> lower = AddGuests("g", {3});
    const QList<CGuest*> stray = AddGuests("G ", {1});
    SeatUnseatedWithYes();
    EXPECT_EQ(TableNames().mid(1), (QStringList{"g - 0", "G - 0"}));
    EXPECT_EQ(TablesOf(lower + upper + stray), (QList<int>{1, 2, 0}));
}

TEST_F(AutoSeatingTest, NoChangesNothingAndWithoutUnseatedGuestsNothingHappens)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {2});
    Doc().SetModified(false);
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_EQ(CAutoSeating(Doc()).SeatUnseated(), 0);
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_EQ(CAutoSeating(Doc()).SeatAll(), 0);
    EXPECT_EQ(Doc().Tables().size(), 1);
    EXPECT_FALSE(Doc().IsModified());

    Doc().CreateTable("T", 1, 10);
    guests[0]->SetTableIndex(1);
    Doc().SetModified(false);
    CHintLog log(Doc());
    EXPECT_EQ(SeatUnseatedWithYes(), 0);
    EXPECT_EQ(Doc().Tables().size(), 2);
    EXPECT_TRUE(log.Hints().isEmpty());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(AutoSeatingTest, SeatAllWithoutGroupsDeletesEveryTableAndUnseatsEveryone)
{
    Doc().CreateTable("T1", 1, 10);
    Doc().CreateTable("T2", 2, 10);
    const QList<CGuest*> guests = AddGuests("Nobody", {2, 3});
    guests[0]->SetTableIndex(1);
    guests[1]->SetTableIndex(2);
    m_event.Messages().Forget();
    CHintLog log(Doc());

    m_event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_EQ(CAutoSeating(Doc()).SeatAll(), 0);

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kAllQuestion);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kCaption);
    EXPECT_EQ(TableNames(), (QStringList{QStringLiteral("מוזמנים שאינם משובצים")}));
    EXPECT_EQ(Doc().Tables()[0]->GetSeats(), 0);
    EXPECT_EQ(Doc().Tables()[0]->GetId(), 0);
    EXPECT_EQ(TablesOf(guests), (QList<int>{0, 0}));
    EXPECT_EQ(log.Hints(), (QList<int>{HINT_TABLES_DELETING, HINT_SEATING_REBUILT}));
}

TEST_F(AutoSeatingTest, SeatAllRebuildsFromScratchGroupByGroup)
{
    Doc().CreateTable("B - 0", 1, 10);
    m_event.AddGroups({"B", "A"});
    const QList<CGuest*> a = AddGuests("A", {5, 5});
    const QList<CGuest*> b = AddGuests("B", {8});
    a[0]->SetTableIndex(1);
    CHintLog log(Doc());

    m_event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_EQ(CAutoSeating(Doc()).SeatAll(), 3);

    // The names restart for each group with no test against earlier tables: they are all gone.
    EXPECT_EQ(TableNames().mid(1), (QStringList{"B - 0", "A - 0"}));
    EXPECT_EQ(TablesOf(b + a), (QList<int>{1, 2, 2}));
    EXPECT_EQ(Doc().Tables()[1]->GetHallNumber(), 1);
    EXPECT_EQ(Doc().Tables()[2]->GetHallNumber(), 2);
    EXPECT_EQ(log.Hints(), (QList<int>{HINT_TABLES_DELETING, HINT_SEATING_REBUILT}));
}

TEST_F(AutoSeatingTest, TheTableSizeIsKeptWithinOneToAThousand)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {1, 1});
    Doc().Settings().SetNumberOfGuestsInTable(0);
    EXPECT_EQ(CAutoSeating(Doc()).TableSize(), 1);
    SeatUnseatedWithYes();
    EXPECT_EQ(TablesOf(guests), (QList<int>{1, 2}));
    EXPECT_EQ(Doc().Tables()[1]->GetSeats(), 1);
    EXPECT_EQ(Doc().Tables()[2]->GetSeats(), 1);

    Doc().Settings().SetNumberOfGuestsInTable(-5);
    EXPECT_EQ(CAutoSeating(Doc()).TableSize(), 1);
    Doc().Settings().SetNumberOfGuestsInTable(70000);
    EXPECT_EQ(CAutoSeating(Doc()).TableSize(), 1000);
    const QList<CGuest*> more = AddGuests("G", {600, 400});
    SeatUnseatedWithYes();
    EXPECT_EQ(TablesOf(more), (QList<int>{3, 3}));
    EXPECT_EQ(Doc().Tables()[3]->GetSeats(), 1000);
}

TEST_F(AutoSeatingTest, TheRestrictionsTheNewSeatingBreaksAreNamedByGuestAndTable)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {2, 2, 2});
    guests[0]->AddRestriction("G2 Family", false);
    guests[0]->AddRestriction("G3 Family", false);
    m_event.Messages().Forget();

    SeatUnseatedWithYes();

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 2);
    const auto& report = m_event.Messages().ShownMessages()[1];
    EXPECT_EQ(report.text, QStringLiteral("השיבוץ האוטומטי הושיב מוזמנים ליד מי שביקשו לא לשבת איתם:\r\n"
                                          "'G1 Family' עם 'G2 Family, G3 Family' בשולחן 'G - 0'"));
    EXPECT_EQ(report.caption, kCaption);
    EXPECT_EQ(report.buttons, MSG_OK);
}

TEST_F(AutoSeatingTest, ALongListOfBrokenRestrictionsIsCutShort)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", QList<int>(12, 0));
    for (CGuest* guest : guests)
        guest->AddRestriction(guest == guests[0] ? "G2 Family" : "G1 Family", false);
    m_event.Messages().Forget();

    SeatUnseatedWithYes();

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 2);
    const QStringList lines = m_event.Messages().ShownMessages()[1].text.split("\r\n");
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], QStringLiteral("'G1 Family' עם 'G2 Family' בשולחן 'G - 0'"));
    EXPECT_EQ(lines[10], QStringLiteral("'G10 Family' עם 'G1 Family' בשולחן 'G - 0'"));
    EXPECT_EQ(lines[11], QStringLiteral("ועוד 2 מוזמנים."));
}

TEST_F(AutoSeatingTest, TableForOneGroupTakesUnseatedGuestsUntilTheTableIsFull)
{
    m_event.AddGroups({"G", "H"});
    const QList<CGuest*> guests = AddGuests("G", {4, 4, 3, 5});
    const QList<CGuest*> other = AddGuests("H", {1});
    m_event.Messages().Forget();
    CHintLog log(Doc());

    const CAutoSeating::GroupTable made = CAutoSeating(Doc()).TableForGroup(*Doc().Groups()[0]);

    ASSERT_NE(made.table, nullptr);
    EXPECT_EQ(made.table->GetName(), "G");
    EXPECT_EQ(made.table->GetSeats(), 10);
    EXPECT_EQ(made.table->GetHallNumber(), 1);
    EXPECT_EQ(made.guests, 3);
    EXPECT_EQ(made.people, 11);
    EXPECT_EQ(TablesOf(guests + other), (QList<int>{1, 1, 1, 0, 0}));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("לקבוצה זו נוצר שולחן חדש ובו 3 מוזמנים"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kGroupDone);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_OK);
    EXPECT_EQ(log.Hints(), (QList<int>{HINT_SEATING_REBUILT}));
}

TEST_F(AutoSeatingTest, TableForOneGroupCountsGuestsThatBringNobody)
{
    m_event.AddGroups({"G"});
    const QList<CGuest*> guests = AddGuests("G", {0, 0});
    m_event.Messages().Forget();

    const CAutoSeating::GroupTable made = CAutoSeating(Doc()).TableForGroup(*Doc().Groups()[0]);

    EXPECT_EQ(made.guests, 2);
    EXPECT_EQ(made.people, 0);
    EXPECT_EQ(TablesOf(guests), (QList<int>{1, 1}));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("לקבוצה זו נוצר שולחן חדש ובו 2 מוזמנים"));
}

TEST_F(AutoSeatingTest, TableForOneGroupWithoutUnseatedGuestsKeepsItsEmptyTable)
{
    m_event.AddGroups({"G"});
    m_event.Messages().Forget();

    const CAutoSeating::GroupTable made = CAutoSeating(Doc()).TableForGroup(*Doc().Groups()[0]);

    EXPECT_EQ(made.guests, 0);
    EXPECT_EQ(TableNames().mid(1), (QStringList{"G"}));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kGroupDone);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kGroupDone);
}
