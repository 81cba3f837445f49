#include "AppTestSupport.h"
#include "controls/CommandIds.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "seating/ui/TablesView.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

QAction* FindAction(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction* inner = FindAction(action->menu(), text))
                return inner;
    }
    return nullptr;
}

QStringList TableNames(const CNewZelDoc& document)
{
    QStringList names;
    for (const CTable* table : document.Tables())
        names.append(table->GetName());
    return names;
}

}

TEST(AutoSeatingCommands, TheToolbarButtonSeatsTheUnseatedAndTheTablesMenuSeatsEveryone)
{
    CFrameFixture fixture;
    CNewZelDoc& document = *fixture.document;
    document.Settings().SetNumberOfGuestsInTable(10);
    document.AddGroup(QStringLiteral("G"), nullptr);
    for (const char* name : {"A", "B"})
        document.AddGuest(QString::fromLatin1(name), QString(), nullptr,
                          [](CGuest& guest) { guest.SetGroupName(QStringLiteral("G")); });
    CMainFrame& frame = fixture.Open();

    QAction* button = nullptr;
    for (QAction* action : fixture.frame->Bars().ToolBar()->actions())
        if (fixture.frame->Bars().Actions(ID_AUTO_SEAT_UNSEATED).contains(action))
            button = action;
    ASSERT_NE(button, nullptr);
    frame.UpdateCommandStates();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(button->toolTip().contains(QStringLiteral("סידור שולחנות אוטומטי")));

    fixture.messages.Answer({MSG_RESULT_YES});
    button->trigger();
    ASSERT_FALSE(fixture.messages.ShownMessages().isEmpty());
    EXPECT_EQ(fixture.messages.ShownMessages()[0].caption, QStringLiteral("סידור שולחנות אוטומטי"));
    EXPECT_EQ(TableNames(document).back(), QStringLiteral("G - 0"));
    EXPECT_EQ(document.Guests()[0]->GetTableIndex(), document.Tables().back()->GetId());

    frame.ShowPage(CTablesView::kPosition);
    auto* tables = frame.findChild<CTablesView*>();
    ASSERT_NE(tables, nullptr);
    QMenu* menu = tables->findChild<QMenuBar*>()->actions().front()->menu();
    QAction* all = FindAction(menu, QStringLiteral("כל המוזמנים"));
    ASSERT_NE(all, nullptr);
    ASSERT_TRUE(all->isEnabled());
    fixture.messages.Forget();
    fixture.messages.Answer({MSG_RESULT_YES});
    all->trigger();
    ASSERT_FALSE(fixture.messages.ShownMessages().isEmpty());
    EXPECT_TRUE(fixture.messages.ShownMessages()[0].text.contains(QStringLiteral("כל השולחנות הקימים ימחקו")));
    EXPECT_EQ(TableNames(document).size(), 2) << "table 0 and G - 0 alone";
    EXPECT_EQ(TableNames(document).back(), QStringLiteral("G - 0"));
    EXPECT_TRUE(FindAction(menu, QStringLiteral("רק מוזמנים שאינם משובצים"))->isEnabled());
}
