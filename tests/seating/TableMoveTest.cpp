#include "seating/core/TableEdits.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

struct SketchFields
{
    CTable::Area area;
    int color;
    int drawStyle;
    QString shapeClass;
    bool operator==(const SketchFields&) const = default;
};

SketchFields FieldsOf(const CTable& table)
{
    return {table.GetArea(), table.GetColor(), table.GetDrawStyle(), table.GetShapeClass()};
}

// Tables 1 .. 4, each with its own place, colour, style and class on the sketch and one guest.
void PrepareTables(CViewTestEvent& event)
{
    event.SetRealTables(4);
    for (int n = 1; n <= 4; ++n) {
        CTable* table = event.Doc().Tables()[n];
        table->SetArea({n * 100, n * 10, n * 100 + 80 + n, n * 10 + 60 + n});
        table->SetColor(0x101010 * n);
        table->SetDrawStyle(n % 2);
        table->SetShapeClass(QStringLiteral("Shape%1").arg(n));
        event.AddGuest(QStringLiteral("g%1").arg(n), QString(), 1, n);
    }
}

}

TEST(TableMove, ATableCarriesItsPlaceOnTheSketchAlong)
{
    CViewTestEvent event;
    PrepareTables(event);
    QList<SketchFields> before;
    for (int n = 0; n <= 4; ++n)
        before.append(FieldsOf(*event.Doc().Tables()[n]));

    CTableEdits(event.Doc()).Move(1, 4);

    const QList<CTable*>& tables = event.Doc().Tables();
    EXPECT_EQ(FieldsOf(*tables[4]), before[1]);
    EXPECT_EQ(FieldsOf(*tables[1]), before[2]);
    EXPECT_EQ(FieldsOf(*tables[2]), before[3]);
    EXPECT_EQ(FieldsOf(*tables[3]), before[4]);
    EXPECT_EQ(FieldsOf(*tables[0]), before[0]);
    EXPECT_EQ(tables[4]->GetName(), QStringLiteral("T1"));
    EXPECT_EQ(event.Doc().GuestsAtTable(4).front()->GetName(), QStringLiteral("g1"));
    EXPECT_EQ(event.Doc().GuestsAtTable(1).front()->GetName(), QStringLiteral("g2"));
}

TEST(TableMove, SwappingNeighboursSwapsTheirSketchFields)
{
    CViewTestEvent event;
    PrepareTables(event);
    const SketchFields second = FieldsOf(*event.Doc().Tables()[2]);
    const SketchFields third = FieldsOf(*event.Doc().Tables()[3]);
    CTableEdits(event.Doc()).Swap(2, 3);
    EXPECT_EQ(FieldsOf(*event.Doc().Tables()[2]), third);
    EXPECT_EQ(FieldsOf(*event.Doc().Tables()[3]), second);
}

TEST(TableMove, TableZeroNeverMoves)
{
    CViewTestEvent event;
    PrepareTables(event);
    event.AddGuest("unseated", QString(), 1, 0);
    CTableEdits edits(event.Doc());
    edits.Move(0, 3);
    edits.Move(3, 0);
    EXPECT_FALSE(edits.MoveInHallOrder(0, 2));
    EXPECT_FALSE(edits.MoveInHallOrder(2, 0));
    EXPECT_EQ(event.Doc().Tables()[0]->GetName(), QStringLiteral("מוזמנים שאינם משובצים"));
    EXPECT_EQ(event.Doc().GuestsAtTable(0).front()->GetName(), QStringLiteral("unseated"));
    EXPECT_EQ(event.Doc().Tables()[3]->GetName(), QStringLiteral("T3"));
}

TEST(TableMove, InHallOrderTheHallNumbersPassOnByOnePlace)
{
    CViewTestEvent event;
    PrepareTables(event);
    // Hall order: table 3 (5), table 1 (10), table 4 (20), table 2 (30).
    const int halls[] = {0, 10, 30, 5, 20};
    for (int n = 1; n <= 4; ++n)
        event.Doc().Tables()[n]->SetHallNumber(halls[n]);
    event.Doc().SetModified(false);
    int tableHints = 0;
    QObject context;
    QObject::connect(&event.Doc(), &CNewZelDoc::Hint, &context,
                     [&tableHints](QObject*, int hint, CHintObject*) { tableHints += hint == HINT_TABLE_CHANGED; });

    ASSERT_TRUE(CTableEdits(event.Doc()).MoveInHallOrder(3, 2));

    const QList<CTable*>& tables = event.Doc().Tables();
    EXPECT_EQ(tables[1]->GetHallNumber(), 5);
    EXPECT_EQ(tables[4]->GetHallNumber(), 10);
    EXPECT_EQ(tables[2]->GetHallNumber(), 20);
    EXPECT_EQ(tables[3]->GetHallNumber(), 30);
    // Nothing else moved: the guests and names stay with their tables.
    EXPECT_EQ(tables[3]->GetName(), QStringLiteral("T3"));
    EXPECT_EQ(event.Doc().GuestsAtTable(3).front()->GetName(), QStringLiteral("g3"));
    EXPECT_TRUE(event.Doc().IsModified());
    EXPECT_EQ(tableHints, 1);
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
}

TEST(TableMove, InHallOrderASharedHallNumberRefusesTheMoveWithAMessage)
{
    CViewTestEvent event;
    PrepareTables(event);
    event.Doc().Tables()[2]->SetHallNumber(3);
    event.Doc().SetModified(false);

    EXPECT_FALSE(CTableEdits(event.Doc()).MoveInHallOrder(1, 4));

    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text,
              QStringLiteral("השולחנות מסודרים לפי מספר באולם, ולשולחנות 2 ו-3 אותו מספר באולם (3).\r\n"
                             "כדי להזיז את השולחן יש לתת לכל שולחן מספר אחר באולם."));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("הזזת שולחן"));
    EXPECT_EQ(event.Doc().Tables()[1]->GetHallNumber(), 1);
    EXPECT_EQ(event.Doc().Tables()[4]->GetHallNumber(), 4);
    EXPECT_FALSE(event.Doc().IsModified());
}
