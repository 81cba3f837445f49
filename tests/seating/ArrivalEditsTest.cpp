#include "seating/core/ArrivalEdits.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"


#include <gtest/gtest.h>

namespace {

class ArrivalEditsTest : public ::testing::Test
{
protected:
    ArrivalEditsTest()
    {
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, [this](QObject*, int hint, CHintObject*) { m_hints.append(hint); });
    }

    CGuest* Arrived(const QString& name, int came, int table)
    {
        CGuest* guest = m_event.AddGuest(name, QString(), came, table);
        guest->SetCameCount(came);
        guest->SetArrived(true);
        return guest;
    }
    QStringList Texts(const QList<CArrivalEdits::Choice>& choices) const
    {
        QStringList texts;
        for (const auto& choice : choices)
            texts.append(choice.text);
        return texts;
    }
    const CTable& Table(int number) { return *m_event.Doc().Tables()[number]; }

    CViewTestEvent m_event;
    QList<int> m_hints;
};

}

TEST_F(ArrivalEditsTest, AFamilyOfFourAtATableWithTwoSeatsLeftIsAskedAboutAndOfferedRoomyTablesFirst)
{
    m_event.SetRealTables(4);
    Arrived(QStringLiteral("א"), 8, 1);
    CGuest* family = m_event.AddGuest(QStringLiteral("משפחת כהן"), QString(), 4, 1);
    m_event.AddGuest(QStringLiteral("ב"), QString(), 7, 2);
    m_event.AddGuest(QStringLiteral("ג"), QString(), 10, 3);
    m_event.AddGuest(QStringLiteral("ד"), QString(), 4, 4);
    CArrivalEdits edits(m_event.Doc());

    EXPECT_EQ(edits.FreeSeatsByArrival(Table(1), family), 2);
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_EQ(edits.AskWhenTableFull(*family, 4), MSG_RESULT_NO);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text,
              QStringLiteral("המוזמן הנל משובץ כעת לשולחן T1.\r\nלא נותרו מקומות ישיבה בשולחן זה.\r\nהאם לשבצו לשולחן זה בכל זאת?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("לא נותר מקום בשולחן זה"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_YES_NO_CANCEL);

    // Coming counts decide the chooser: T1 has 10 - 8 (the family's own 4 left out), T2 3, T3
    // none, T4 6.
    const QList<CArrivalEdits::Choice> choices = edits.TableChoices(*family, 4);
    EXPECT_EQ(Texts(choices), (QStringList{QStringLiteral("T4 [6]"), QString(),
                                           QStringLiteral("==============================================="), QString(),
                                           QStringLiteral("T1 [2]"), QStringLiteral("T2 [3]")}));
    EXPECT_EQ(choices[0].table, 4);
    for (int row : {1, 2, 3})
        EXPECT_EQ(choices[row].table, -1) << "a separator row cannot be chosen";
    EXPECT_EQ(choices[4].table, 1);
}

TEST_F(ArrivalEditsTest, OnePersonGetsNoSeparatorAndATableWithRoomIsNotAskedAbout)
{
    m_event.SetRealTables(2);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 1, 1);
    m_event.AddGuest(QStringLiteral("רון"), QString(), 9, 2);
    CArrivalEdits edits(m_event.Doc());
    EXPECT_EQ(Texts(edits.TableChoices(*guest, 1)), (QStringList{QStringLiteral("T1 [10]"), QStringLiteral("T2 [1]")}));
    EXPECT_EQ(edits.AskWhenTableFull(*guest, 10), MSG_RESULT_YES);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
}

TEST_F(ArrivalEditsTest, ARecordedArrivalReplacesTheCountsAndItsOwnEarlierArrivalLeavesItsSeatsFree)
{
    m_event.SetRealTables(1);
    Arrived(QStringLiteral("א"), 6, 1);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QString(), 4, 1);
    CArrivalEdits edits(m_event.Doc());
    ASSERT_TRUE(edits.Record(*guest, 4, 1));
    EXPECT_TRUE(guest->GetArrived());
    EXPECT_EQ(guest->GetCameCount(), 4);
    EXPECT_EQ(edits.FreeSeatsByArrival(Table(1)), 0);

    // Recording the same four again finds the table with room for them, and counts are replaced.
    EXPECT_EQ(edits.AskWhenTableFull(*guest, 4), MSG_RESULT_YES);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    ASSERT_TRUE(edits.Record(*guest, 3, 1));
    EXPECT_EQ(guest->GetCameCount(), 3);
    EXPECT_EQ(guest->GetComing(), 3);
    EXPECT_EQ(guest->GetInvited(), 3);
    EXPECT_EQ(edits.FreeSeatsByArrival(Table(1)), 1);
    EXPECT_TRUE(m_hints.contains(HINT_GUEST_CHANGED));
}

TEST_F(ArrivalEditsTest, EveryArrivalAndWalkInIsSavedAtOnce)
{
    m_event.SetRealTables(2);
    CGuest* guest = m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 2, 0);
    m_event.Doc().SaveEvent();
    CArrivalEdits edits(m_event.Doc());
    ASSERT_TRUE(edits.Record(*guest, 5, 2));
    EXPECT_FALSE(m_event.Doc().IsModified());
    CGuest* walkIn = edits.AddWalkIn(QStringLiteral(" יוסי "), QStringLiteral("כהן"));
    ASSERT_NE(walkIn, nullptr);
    EXPECT_EQ(walkIn->GetFullName(), QStringLiteral("יוסי כהן"));
    EXPECT_EQ(walkIn->GetComing(), 0);
    EXPECT_EQ(walkIn->GetInvited(), 0);
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_EQ(edits.AddWalkIn(QStringLiteral(" "), QString()), nullptr);

    // What a program that died now would find on disk.
    m_event.Doc().DiscardOnClose();
    m_event.Reopen();
    const QList<CGuest*>& guests = m_event.Doc().Guests();
    ASSERT_EQ(guests.size(), 2);
    EXPECT_EQ(guests[0]->GetCameCount(), 5);
    EXPECT_TRUE(guests[0]->GetArrived());
    EXPECT_EQ(guests[0]->GetTableIndex(), 2);
    EXPECT_EQ(guests[0]->GetComing(), 5);
    EXPECT_EQ(guests[1]->GetFullName(), QStringLiteral("יוסי כהן"));
}

TEST_F(ArrivalEditsTest, FewerThanOneArrivalIsRefusedWithItsMessage)
{
    CArrivalEdits edits(m_event.Doc());
    EXPECT_FALSE(edits.CheckCount(0));
    EXPECT_TRUE(edits.CheckCount(1));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("נא למלא את כמות המוזמנים שבאו בפועל"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("נא למלא פרטים חסרים"));
}
