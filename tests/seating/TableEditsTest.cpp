#include "seating/core/SeatVerdict.h"
#include "seating/core/TableEdits.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

const QString kRestrictionText = QStringLiteral(
    "המוזמנים 'Dana Levi' לא יכולים לשבת\r\nעם המוזמנים 'Ron Cohen'.\r\nהאם להעבירם בכל זאת?\r\n\r\n"
    "ניתן לשנות הגדרות אילו ב\"פרטים נוספים\" של מוזמן זה.");
const QString kCapacityText =
    QStringLiteral("מספר המוזמנים בשולחן זה גדול ממספר המקומות בו\r\nהאם להגדיל את מספר המושבים בשולחן זה בהתאמה ?");

// Counts the hints the document sends, by number.
class CHintCounter
{
public:
    explicit CHintCounter(CNewZelDoc& document)
    {
        QObject::connect(&document, &CNewZelDoc::Hint, &m_context,
                         [this](QObject*, int hint, CHintObject* object) { m_hints.append({hint, object}); });
    }
    int Count(int hint) const
    {
        return int(std::count_if(m_hints.cbegin(), m_hints.cend(), [hint](const auto& h) { return h.first == hint; }));
    }
    int Total() const { return int(m_hints.size()); }
    void Clear() { m_hints.clear(); }
    CHintObject* Last() const { return m_hints.isEmpty() ? nullptr : m_hints.back().second; }

private:
    QObject m_context;
    QList<std::pair<int, CHintObject*>> m_hints;
};

}

TEST(SeatVerdict, NamesEveryRestrictedGuestAndTheOverflowWithoutAsking)
{
    CViewTestEvent event;
    event.SetRealTables(2, 8);
    CGuest* dana = event.AddGuest("Dana", "Levi", 4, 0);
    event.AddGuest("Ron", "Cohen", 3, 1);
    event.AddGuest("Avi", "Mor", 3, 1);
    dana->AddRestriction("Ron Cohen", false);
    dana->AddRestriction("Avi Mor", false);

    const CSeatVerdict verdict = CSeatVerdict::Judge(event.Doc(), *dana, 1);
    EXPECT_TRUE(verdict.IsValidTable());
    EXPECT_EQ(verdict.Restricted(), (QStringList{"Ron Cohen", "Avi Mor"}));
    EXPECT_EQ(verdict.SeatsNeeded(), 10);
    EXPECT_EQ(verdict.Overflow(), 2);
    EXPECT_FALSE(verdict.IsClean());
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());

    // The unseated table keeps anyone together; an empty table fits.
    EXPECT_TRUE(CSeatVerdict::Judge(event.Doc(), *dana, 0).Restricted().isEmpty());
    EXPECT_TRUE(CSeatVerdict::Judge(event.Doc(), *dana, 2).IsClean());
    EXPECT_FALSE(CSeatVerdict::Judge(event.Doc(), *dana, 3).IsValidTable());
    EXPECT_FALSE(CSeatVerdict::Judge(event.Doc(), *dana, -1).IsValidTable());
}

TEST(SeatVerdict, HugeCountsDoNotWrapAround)
{
    CViewTestEvent event;
    event.SetRealTables(1, 10);
    event.AddGuest("Big", "One", 2147483647, 1);
    CGuest* other = event.AddGuest("Big", "Two", 2147483647, 0);
    const CSeatVerdict verdict = CSeatVerdict::Judge(event.Doc(), *other, 1);
    EXPECT_EQ(verdict.SeatsNeeded(), 2147483647);
    EXPECT_EQ(verdict.Overflow(), 2147483647);
}

TEST(TableEdits, TheSeatAsksAboutEachRestrictionWithTheExactText)
{
    CViewTestEvent event;
    event.SetRealTables(1, 20);
    CGuest* dana = event.AddGuest("Dana", "Levi", 2, 0);
    CGuest* ron = event.AddGuest("Ron", "Cohen", 2, 1);
    dana->AddRestriction("Ron Cohen", false);
    event.Doc().SetModified(false);
    CTableEdits edits(event.Doc());

    event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(edits.Seat(*dana, 1));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, kRestrictionText);
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("בעיה בהושבת המוזמן"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(dana->GetTableIndex(), 0);
    EXPECT_FALSE(event.Doc().IsModified());

    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(edits.Seat(*dana, 1));
    EXPECT_EQ(dana->GetTableIndex(), 1);
    EXPECT_TRUE(event.Doc().IsModified());

    // Only the moving guest's own list counts.
    event.Messages().Forget();
    ron->SetTableIndex(0);
    EXPECT_TRUE(edits.Seat(*ron, 1));
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
}

TEST(TableEdits, TheSeatOffersToEnlargeAFullTable)
{
    CViewTestEvent event;
    event.SetRealTables(1, 8);
    event.AddGuest("Six", "People", 6, 1);
    CGuest* family = event.AddGuest("Four", "People", 4, 0);
    CTable* table = event.Doc().Tables()[1];
    CHintCounter hints(event.Doc());
    CTableEdits edits(event.Doc());

    event.Messages().Answer({MSG_RESULT_CANCEL});
    EXPECT_FALSE(edits.Seat(*family, 1));
    EXPECT_EQ(table->GetSeats(), 8);
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, kCapacityText);
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("מספר מוזמנים גדול"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].buttons, MSG_YES_NO_CANCEL);
    EXPECT_EQ(hints.Total(), 0);

    event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_TRUE(edits.Seat(*family, 1));
    EXPECT_EQ(table->GetSeats(), 8);
    family->SetTableIndex(0);
    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(edits.Seat(*family, 1));
    EXPECT_EQ(table->GetSeats(), 10);

    // The unseated table grows without a question.
    event.Messages().Forget();
    EXPECT_TRUE(edits.Seat(*family, 0));
    EXPECT_EQ(event.Doc().Tables()[0]->GetSeats(), 4);
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
}

TEST(TableEdits, SeatingAThousandGuestsSendsOneTableHint)
{
    CViewTestEvent event;
    event.SetRealTables(1, 5000);
    QList<CGuest*> guests;
    for (int i = 0; i < 1000; ++i)
        guests.append(event.AddGuest(QStringLiteral("g%1").arg(i), QString(), 2, 0));
    CHintCounter hints(event.Doc());
    EXPECT_EQ(CTableEdits(event.Doc()).SeatAll(guests, 1), 1000);
    EXPECT_EQ(hints.Count(HINT_TABLE_CHANGED), 1);
    EXPECT_EQ(hints.Total(), 1);
    EXPECT_EQ(hints.Last(), nullptr);
    EXPECT_EQ(event.Doc().GuestsAtTable(1).size(), 1000);
}

TEST(TableEdits, TheHallNumberCheckNamesTheTableThatUsesIt)
{
    CViewTestEvent event;
    event.SetRealTables(2);
    CTableEdits edits(event.Doc());
    EXPECT_TRUE(edits.CheckHallNumber(2, 2));
    EXPECT_TRUE(edits.CheckHallNumber(7, -1));
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
    EXPECT_FALSE(edits.CheckHallNumber(2, 1));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, QStringLiteral("המיקום של השולחן הנוכחי כבר בשימוש על ידי\r\nשולחן 2 (T2)"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("שולחן כבר תפוס!"));
}

TEST(TableEdits, DeleteAsksOnlyWhenPeopleSitThereAndUnseatsThem)
{
    CViewTestEvent event;
    event.SetRealTables(3);
    CGuest* atTwo = event.AddGuest("At", "Two", 2, 2);
    CGuest* atThree = event.AddGuest("At", "Three", 2, 3);
    CTableEdits edits(event.Doc());

    event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(edits.Delete(*event.Doc().Tables()[2]));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text,
              QStringLiteral("?האם את/ה בטוח/ה שברצונך למחוק שולחן זה\r\n המוזמנים יועברו לרשימת הבילתי משובצים"));
    EXPECT_EQ(event.Doc().Tables().size(), 4);

    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(edits.Delete(*event.Doc().Tables()[2]));
    EXPECT_EQ(event.Doc().Tables().size(), 3);
    EXPECT_EQ(atTwo->GetTableIndex(), 0);
    EXPECT_EQ(atThree->GetTableIndex(), 2);

    // An empty table goes without a question; the unseated table never goes.
    event.Messages().Forget();
    EXPECT_TRUE(edits.Delete(*event.Doc().Tables()[1]));
    EXPECT_FALSE(edits.Delete(*event.Doc().Tables()[0]));
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
}

TEST(TableEdits, SwapAndMoveKeepTheUnseatedPlaceAndSendOneHint)
{
    CViewTestEvent event;
    event.SetRealTables(4);
    for (int t = 0; t <= 4; ++t)
        for (int i = 0; i < 3; ++i)
            event.AddGuest(QStringLiteral("t%1-%2").arg(t).arg(i), QString(), 1, t);
    event.Doc().SetModified(false);
    CHintCounter hints(event.Doc());
    CTableEdits edits(event.Doc());

    edits.Swap(0, 1);
    EXPECT_EQ(hints.Total(), 0);
    edits.Move(1, 4);
    EXPECT_EQ(hints.Count(HINT_TABLE_CHANGED), 1);
    EXPECT_EQ(hints.Total(), 1);
    EXPECT_TRUE(event.Doc().IsModified());
    const QStringList names = {event.Doc().Tables()[1]->GetName(), event.Doc().Tables()[4]->GetName()};
    EXPECT_EQ(names, (QStringList{"T2", "T1"}));
    EXPECT_EQ(event.Doc().GuestsAtTable(4).front()->GetName(), QStringLiteral("t1-0"));
    EXPECT_EQ(event.Doc().GuestsAtTable(0).front()->GetName(), QStringLiteral("t0-0"));
}

TEST(TableEdits, EditRedrawsEveryTableOnlyWhenTheHallOrderChanges)
{
    CViewTestEvent event;
    event.SetRealTables(2);
    event.Doc().Settings().SetArrangeTableByHallNumber(true);
    CHintCounter hints(event.Doc());
    CTable* table = event.Doc().Tables()[1];
    CTableEdits edits(event.Doc());

    edits.Edit(*table, "T1", 1, 10);
    EXPECT_EQ(hints.Total(), 0);
    edits.Edit(*table, "First", 1, 12);
    EXPECT_EQ(hints.Last(), table);
    edits.Edit(*table, "First", 9, 12);
    EXPECT_EQ(hints.Count(HINT_TABLE_CHANGED), 2);
    EXPECT_EQ(hints.Last(), nullptr);
}
