#include "seating/ui/ChartSounds.h"
#include "seating/ui/SeatingChartView.h"
#include "seating/ui/TablesView.h"

#include "controls/CommandIds.h"
#include "data/document/ViewHint.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kCapacityText =
    QStringLiteral("מספר המוזמנים בשולחן זה גדול ממספר המקומות בו\r\nהאם להגדיל את מספר המושבים בשולחן זה בהתאמה ?");
const QString kDeleteText =
    QStringLiteral("?האם את/ה בטוח/ה שברצונך למחוק שולחן זה\r\n המוזמנים יועברו לרשימת הבילתי משובצים");

class SeatingChartViewTest : public ::testing::Test
{
protected:
    void Show(int width = 1000, int height = 660)
    {
        m_view = std::make_unique<CSeatingChartView>(m_event.Doc());
        m_view->resize(width, height);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
        QObject::connect(m_view->Sounds(), &CChartSounds::Played, m_view.get(), [this](int sound) { m_sounds.append(sound); });
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, m_view.get(),
                         [this](QObject* sender, int hint, CHintObject* object) { m_hints.append({hint, object}); });
    }

    QPoint LineCenter(int box, int line) { return m_view->LineRect(box, line).center(); }
    QPoint HeaderPoint(int box) { return m_view->BoxRect(box).topLeft() + QPoint(40, 8); }

    // Presses at one point, moves past the drag distance in two steps and releases at the other.
    void Drag(const QPoint& from, const QPoint& to)
    {
        QWidget* target = m_view.get();
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        QTest::mouseMove(target, from + QPoint(12, 12));
        QTest::mouseMove(target, to);
        QTest::mouseRelease(target, Qt::LeftButton, {}, to);
    }

    QColor PixelAt(const QPoint& point) { return m_view->grab().toImage().pixelColor(point); }

    int CountHints(int hint) const
    {
        return int(std::count_if(m_hints.cbegin(), m_hints.cend(), [hint](const auto& h) { return h.first == hint; }));
    }

    CViewTestEvent m_event;
    std::unique_ptr<CSeatingChartView> m_view;
    QList<int> m_sounds;
    QList<std::pair<int, CHintObject*>> m_hints;
};

}

TEST_F(SeatingChartViewTest, AGuestDraggedToAnotherTableIsSeatedThereWithTheDropSound)
{
    m_event.SetRealTables(3);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    Show();
    ASSERT_EQ(m_view->Chart().Boxes()[1].guests.front(), dana);

    Drag(LineCenter(1, 0), m_view->BoxRect(3).center());

    EXPECT_EQ(dana->GetTableIndex(), 3);
    EXPECT_EQ(m_sounds, QList<int>{CChartSounds::Drop});
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    EXPECT_EQ(m_view->Chart().Boxes()[3].lines, QStringList{"1. Dana Levi 2"});
    EXPECT_EQ(m_view->HighlightedGuest(), dana);
    EXPECT_FALSE(m_view->IsDragging());
}

TEST_F(SeatingChartViewTest, AFullTableAsksAndCancelLeavesTheGuestWhereItWas)
{
    m_event.SetRealTables(2, 3);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    m_event.AddGuest("Ron", "Cohen", 2, 2);
    Show();
    m_event.Messages().Answer({MSG_RESULT_CANCEL});

    Drag(LineCenter(1, 0), m_view->BoxRect(2).center());

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kCapacityText);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("מספר מוזמנים גדול"));
    EXPECT_EQ(dana->GetTableIndex(), 1);
    EXPECT_TRUE(m_sounds.isEmpty());
}

TEST_F(SeatingChartViewTest, YesToTheQuestionEnlargesTheTable)
{
    m_event.SetRealTables(2, 3);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    m_event.AddGuest("Ron", "Cohen", 2, 2);
    Show();
    m_event.Messages().Answer({MSG_RESULT_YES});

    Drag(LineCenter(1, 0), m_view->BoxRect(2).center());

    EXPECT_EQ(dana->GetTableIndex(), 2);
    EXPECT_EQ(m_event.Doc().Tables()[2]->GetSeats(), 4);
    EXPECT_EQ(m_view->Chart().Boxes()[2].footer, QStringLiteral("4 מתוך 4"));
}

TEST_F(SeatingChartViewTest, AGuestDroppedOnItsOwnTableOrOutsideChangesNothing)
{
    m_event.SetRealTables(2);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    Show();
    m_event.Doc().SetModified(false);

    Drag(LineCenter(1, 0), m_view->BoxRect(1).center() + QPoint(0, 40));
    Drag(LineCenter(1, 0), QPoint(m_view->width() - 60, m_view->height() / 2));

    EXPECT_EQ(dana->GetTableIndex(), 1);
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_TRUE(m_sounds.isEmpty());
}

TEST_F(SeatingChartViewTest, ATableDraggedByItsHeaderTakesTheTargetsPlaceWithItsGuestsAndSketch)
{
    m_event.SetRealTables(5);
    for (int n = 1; n <= 5; ++n) {
        m_event.AddGuest(QStringLiteral("g%1").arg(n), QString(), 1, n);
        m_event.Doc().Tables()[n]->SetArea({n, n, n + 60, n + 60});
    }
    Show();

    Drag(HeaderPoint(1), m_view->BoxRect(4).center());

    QStringList names;
    for (const CTable* table : m_event.Doc().Tables())
        names.append(table->GetName());
    EXPECT_EQ(names.mid(1), (QStringList{"T2", "T3", "T4", "T1", "T5"}));
    EXPECT_EQ(m_event.Doc().GuestsAtTable(4).front()->GetName(), QStringLiteral("g1"));
    EXPECT_EQ(m_event.Doc().GuestsAtTable(1).front()->GetName(), QStringLiteral("g2"));
    EXPECT_EQ(m_event.Doc().Tables()[4]->GetArea().left, 1);
    EXPECT_EQ(m_view->SelectedBox(), 4);
    EXPECT_EQ(m_view->Chart().Boxes()[4].name, QStringLiteral("T1"));
}

TEST_F(SeatingChartViewTest, TableZeroCannotBeDraggedNorBeTheTargetOfATable)
{
    m_event.SetRealTables(3);
    m_event.AddGuest("Dana", "Levi", 2, 0);
    Show();
    m_event.Doc().SetModified(false);

    Drag(HeaderPoint(0), m_view->BoxRect(2).center());
    Drag(HeaderPoint(2), m_view->BoxRect(0).center());

    EXPECT_EQ(m_event.Doc().Tables()[0]->GetName(), QStringLiteral("מוזמנים שאינם משובצים"));
    EXPECT_EQ(m_event.Doc().Tables()[2]->GetName(), QStringLiteral("T2"));
    EXPECT_FALSE(m_event.Doc().IsModified());
}

TEST_F(SeatingChartViewTest, InHallOrderATableDragPassesTheHallNumbersOn)
{
    m_event.SetRealTables(3);
    m_event.Doc().Settings().SetArrangeTableByHallNumber(true);
    // Shown as T3 (1), T1 (2), T2 (3).
    m_event.Doc().Tables()[1]->SetHallNumber(2);
    m_event.Doc().Tables()[2]->SetHallNumber(3);
    m_event.Doc().Tables()[3]->SetHallNumber(1);
    Show();
    ASSERT_EQ(m_view->Chart().Boxes()[1].number, 3);

    Drag(HeaderPoint(1), m_view->BoxRect(3).center());

    QList<int> shown;
    for (const CSeatingChart::Box& box : m_view->Chart().Boxes())
        shown.append(box.number);
    EXPECT_EQ(shown, (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetHallNumber(), 3);
    EXPECT_EQ(m_event.Doc().Tables()[3]->GetName(), QStringLiteral("T3"));
    EXPECT_EQ(m_view->SelectedBox(), 3);
}

TEST_F(SeatingChartViewTest, OnlyARealTableOverItsSeatsGetsTheRedFrame)
{
    m_event.SetRealTables(2, 2);
    m_event.AddGuest("Dana", "Levi", 3, 1);
    m_event.AddGuest("Ron", "Cohen", 4, 0);
    Show();
    const QColor red(Qt::red);
    const QRect over = m_view->BoxRect(1);
    const QRect fits = m_view->BoxRect(2);
    const QRect unseated = m_view->BoxRect(0);
    EXPECT_EQ(PixelAt(QPoint(over.left(), over.center().y())), red);
    EXPECT_NE(PixelAt(QPoint(fits.left(), fits.center().y())), red);
    EXPECT_NE(PixelAt(QPoint(unseated.left(), unseated.center().y())), red);
}

TEST_F(SeatingChartViewTest, WithNobodyUnseatedTheColumnShrinksAndShowsDots)
{
    m_event.SetRealTables(1);
    Show();
    EXPECT_EQ(m_view->BoxRect(0).width(), 50);
    EXPECT_EQ(m_view->BoxRect(1).left(), 80);
    EXPECT_EQ(m_view->Chart().Boxes()[0].name, QStringLiteral("..."));
}

TEST_F(SeatingChartViewTest, ArrowKeysWrapAndHomeAndEndReachTheEnds)
{
    m_event.SetRealTables(9);
    Show();
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, m_view->BoxRect(2).center());
    EXPECT_EQ(m_view->SelectedBox(), 2);
    EXPECT_EQ(m_hints.back(), std::make_pair(int(HINT_TABLE_SELECTED), static_cast<CHintObject*>(m_event.Doc().Tables()[2])));
    QTest::keyClick(m_view.get(), Qt::Key_Right);
    EXPECT_EQ(m_view->SelectedBox(), 3);
    QTest::keyClick(m_view.get(), Qt::Key_Down);
    EXPECT_EQ(m_view->SelectedBox(), 3 + m_view->Layout().BoxesPerRow());
    QTest::keyClick(m_view.get(), Qt::Key_End);
    EXPECT_EQ(m_view->SelectedBox(), 9);
    QTest::keyClick(m_view.get(), Qt::Key_Right);
    EXPECT_EQ(m_view->SelectedBox(), 0);
    QTest::keyClick(m_view.get(), Qt::Key_Left);
    EXPECT_EQ(m_view->SelectedBox(), 9);
    QTest::keyClick(m_view.get(), Qt::Key_Home);
    EXPECT_EQ(m_view->SelectedBox(), 0);
}

TEST_F(SeatingChartViewTest, AGuestDragHeldInTheBottomBandScrollsTheGridAndMarksTheBands)
{
    m_event.SetRealTables(30);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 1, 1);
    Show(1000, 450);
    m_view->AutoScrollTimer().setInterval(0);
    const QPoint from = LineCenter(1, 0);
    QTest::mousePress(m_view.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(m_view.get(), from + QPoint(12, 12));
    const QPoint band(600, m_view->height() - 10);
    QTest::mouseMove(m_view.get(), band);
    EXPECT_TRUE(m_view->AutoScrollTimer().isActive());
    const QImage image = m_view->grab().toImage();
    EXPECT_EQ(image.pixelColor(1, CSeatingChartLayout::kScrollBand), QColor(Qt::darkGray));
    QCoreApplication::processEvents();
    EXPECT_GT(m_view->Layout().FirstShown(), 0);
    // Leaving the band stops the scrolling at the next tick.
    QTest::mouseMove(m_view.get(), QPoint(600, 200));
    const int first = m_view->Layout().FirstShown();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_view->Layout().FirstShown(), first);
    EXPECT_FALSE(m_view->AutoScrollTimer().isActive());
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, {}, QPoint(600, 200));
    EXPECT_FALSE(m_view->IsDragging());
    EXPECT_NE(dana->GetTableIndex(), 0);
}

TEST_F(SeatingChartViewTest, TheGridButtonsStopAtTheEndsWithTheEndSound)
{
    m_event.SetRealTables(20);
    Show(1000, 450);
    QToolButton* up = m_view->Button(CSeatingChartLayout::GridUp);
    QToolButton* down = m_view->Button(CSeatingChartLayout::GridDown);
    EXPECT_FALSE(up->isEnabled());
    const int perRow = m_view->Layout().BoxesPerRow();
    ASSERT_EQ(perRow, 5);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(m_view->Layout().FirstShown(), 5);
    EXPECT_TRUE(up->isEnabled());
    // Forward only while two more rows follow the first one shown (four rows in all).
    m_view->ScrollGrid(1);
    EXPECT_EQ(m_view->Layout().FirstShown(), 10);
    EXPECT_FALSE(down->isEnabled());
    EXPECT_TRUE(m_sounds.isEmpty());
    m_view->ScrollGrid(1);
    EXPECT_EQ(m_view->Layout().FirstShown(), 10);
    EXPECT_EQ(m_sounds, QList<int>{CChartSounds::EndOfList});
}

TEST_F(SeatingChartViewTest, TheWheelScrollsTheNamesOfAFullBoxOneLineAtATime)
{
    m_event.SetRealTables(1, 30);
    for (int i = 0; i < 10; ++i)
        m_event.AddGuest(QStringLiteral("g%1").arg(i), QString(), 1, 1);
    Show();
    const QPoint inside = m_view->BoxRect(1).center();
    QWheelEvent wheel(inside, m_view->mapToGlobal(inside), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_view.get(), &wheel);
    EXPECT_EQ(m_view->NamesOffset(1), 1);
    for (int i = 0; i < 5; ++i)
        QApplication::sendEvent(m_view.get(), &wheel);
    EXPECT_EQ(m_view->NamesOffset(1), 3);
}

TEST_F(SeatingChartViewTest, DeleteGoesToTheTablesPageWhichAsksAndTheTableBeforeIsSelected)
{
    m_event.SetRealTables(3);
    m_event.AddGuest("Dana", "Levi", 2, 2);
    CTablesView tables(m_event.Doc());
    Show();
    m_view->SelectBox(2);
    m_event.Messages().Answer({MSG_RESULT_YES});

    QTest::keyClick(m_view.get(), Qt::Key_Delete);

    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, kDeleteText);
    EXPECT_EQ(m_event.Doc().Tables().size(), 3);
    EXPECT_EQ(m_view->Chart().Count(), 3);
    EXPECT_EQ(m_view->SelectedBox(), 1);
    EXPECT_EQ(m_view->Chart().Boxes()[0].lines, QStringList{"1. Dana Levi 2"});
}

TEST_F(SeatingChartViewTest, TableZeroIsNeverDeleted)
{
    m_event.SetRealTables(1);
    CTablesView tables(m_event.Doc());
    Show();
    m_view->SelectBox(0);
    EXPECT_FALSE(m_view->IsCommandEnabled(ID_OBJECT_DELETE));
    QTest::keyClick(m_view.get(), Qt::Key_Delete);
    EXPECT_EQ(m_event.Doc().Tables().size(), 2);
}

TEST_F(SeatingChartViewTest, SearchFindsATableByNameThenAGuestAfterTheSelection)
{
    m_event.SetRealTables(4);
    m_event.Doc().Tables()[3]->SetName("Army friends");
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 2);
    CGuest* other = m_event.AddGuest("Danit", "Cohen", 2, 4);
    Show();
    m_view->SelectBox(0);
    m_view->SetSearch("Army", QString());
    EXPECT_TRUE(m_view->Search());
    EXPECT_EQ(m_view->SelectedBox(), 3);
    m_view->SetSearch(QString(), "Dan");
    EXPECT_TRUE(m_view->Search());
    EXPECT_EQ(m_view->SelectedBox(), 4);
    EXPECT_EQ(m_view->HighlightedGuest(), other);
    // F3 goes on from there, round to the start.
    QTest::keyClick(m_view.get(), Qt::Key_F3);
    EXPECT_EQ(m_view->HighlightedGuest(), dana);
}

TEST_F(SeatingChartViewTest, TheContextMenuOffersTheGuestOnlyWithAGuestHighlighted)
{
    m_event.SetRealTables(1);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    Show();
    m_view->SelectBox(1);
    std::unique_ptr<QMenu> plain(m_view->BuildContextMenu(nullptr));
    EXPECT_EQ(plain->title(), QStringLiteral("שולחנות"));
    EXPECT_EQ(plain->actions().size(), 1);
    EXPECT_EQ(plain->actions()[0]->text(), QStringLiteral("פרטי השולחן ..."));

    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, LineCenter(1, 0));
    std::unique_ptr<QMenu> withGuest(m_view->BuildContextMenu(nullptr));
    ASSERT_EQ(withGuest->actions().size(), 2);
    withGuest->actions()[1]->trigger();
    EXPECT_EQ(m_hints.back(), std::make_pair(int(HINT_SHOW_GUEST), static_cast<CHintObject*>(dana)));
}

TEST_F(SeatingChartViewTest, HintsOfOtherPagesSelectAndRebuild)
{
    m_event.SetRealTables(3);
    Show();
    m_event.Doc().UpdateAllViews(nullptr, HINT_TABLE_SELECTED, m_event.Doc().Tables()[2]);
    EXPECT_EQ(m_view->SelectedBox(), 2);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 3);
    m_event.Doc().UpdateAllViews(nullptr, HINT_LOCATE_GUEST_TABLE, dana);
    EXPECT_EQ(m_view->SelectedBox(), 3);
    EXPECT_EQ(m_view->HighlightedGuest(), dana);
    m_event.Doc().CreateTable("New", -1, 8);
    EXPECT_EQ(m_view->Chart().Count(), 5);
    EXPECT_EQ(m_view->Chart().Boxes()[4].name, QStringLiteral("New"));
}

TEST_F(SeatingChartViewTest, EditingTableZeroExplainsIt)
{
    m_event.SetRealTables(1);
    Show();
    QTest::mouseDClick(m_view.get(), Qt::LeftButton, {}, m_view->BoxRect(0).center());
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("הסבר"));
}

TEST_F(SeatingChartViewTest, PaintingShowsWhatTheLastHintGatheredNotARecount)
{
    m_event.SetRealTables(1);
    CGuest* dana = m_event.AddGuest("Dana", "Levi", 2, 1);
    Show();
    EXPECT_EQ(m_view->Chart().Boxes()[1].footer, QStringLiteral("2 מתוך 10"));
    // A field written without a hint is not counted by painting.
    dana->SetComing(5);
    m_view->repaint();
    EXPECT_EQ(m_view->Chart().Boxes()[1].footer, QStringLiteral("2 מתוך 10"));
    m_event.Doc().UpdateAllViews(nullptr, HINT_GUEST_CHANGED, dana);
    EXPECT_EQ(m_view->Chart().Boxes()[1].footer, QStringLiteral("5 מתוך 10"));
    EXPECT_EQ(m_view->Chart().Boxes()[1].lines, QStringList{"1. Dana Levi 5"});
}
