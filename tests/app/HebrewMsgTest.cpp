// The message box: its buttons by value and the result of every way of leaving it.
#include "app/ui/HebrewMessages.h"
#include "app/ui/HebrewMsg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the action on the box once it is shown, then returns what the box returned.
int AnswerWith(int buttons, const std::function<void(CHebrewMsg&)>& action)
{
    QTimer::singleShot(0, [&action]() {
        auto* box = qobject_cast<CHebrewMsg*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        action(*box);
    });
    CHebrewMessages messages;
    return messages.MessageById(59710, 59711, buttons);
}

void Click(CHebrewMsg& box, int result)
{
    QPushButton* button = box.Button(result);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

}

TEST(HebrewMsg, ShowsExactlyTheButtonsOfItsValue)
{
    const struct
    {
        int buttons;
        bool ok, cancel, yes, no;
    } cases[] = {{1, true, false, false, false},
                 {2, false, false, true, true},
                 {4, true, true, false, false},
                 {8, false, true, true, true},
                 {16, false, false, false, false}};
    for (const auto& c : cases) {
        CHebrewMsg box(QStringLiteral("שורה\r\nשניה"), QStringLiteral("כותרת"), c.buttons);
        box.show();
        EXPECT_EQ(box.Button(1)->isVisible(), c.ok) << c.buttons;
        EXPECT_EQ(box.Button(2)->isVisible(), c.cancel) << c.buttons;
        EXPECT_EQ(box.Button(6)->isVisible(), c.yes) << c.buttons;
        EXPECT_EQ(box.Button(7)->isVisible(), c.no) << c.buttons;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("כותרת"));
        EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("text"))->text(), QStringLiteral("שורה\nשניה"));
        box.close();
    }
}

TEST(HebrewMsg, ReturnsTheButtonPressed)
{
    EXPECT_EQ(AnswerWith(2, [](CHebrewMsg& box) { Click(box, 6); }), 6);
    EXPECT_EQ(AnswerWith(2, [](CHebrewMsg& box) { Click(box, 7); }), 7);
    EXPECT_EQ(AnswerWith(1, [](CHebrewMsg& box) { Click(box, 1); }), 1);
    EXPECT_EQ(AnswerWith(4, [](CHebrewMsg& box) { Click(box, 2); }), 2);
    EXPECT_EQ(AnswerWith(8, [](CHebrewMsg& box) { Click(box, 7); }), 7);
}

TEST(HebrewMsg, ClosingTheBoxIsCancel)
{
    EXPECT_EQ(AnswerWith(2, [](CHebrewMsg& box) { box.close(); }), 2);
    EXPECT_EQ(AnswerWith(16, [](CHebrewMsg& box) { box.close(); }), 2);
    EXPECT_EQ(AnswerWith(8, [](CHebrewMsg& box) { QTest::keyClick(&box, Qt::Key_Escape); }), 2);
}

TEST(HebrewMsg, EnterTakesTheFirstButton)
{
    EXPECT_EQ(AnswerWith(8, [](CHebrewMsg& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); }), 6);
    EXPECT_EQ(AnswerWith(4, [](CHebrewMsg& box) { QTest::keyClick(box.focusWidget(), Qt::Key_Return); }), 1);
}

TEST(HebrewMsg, APlacementGivesTheBoxThatRectangle)
{
    CHebrewMsg box(QStringLiteral("טקסט"), QStringLiteral("כותרת"), 2, QRect(100, 80, 400, 260));
    box.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(box.size(), QSize(400, 260));
    const QLabel* text = box.findChild<QLabel*>(QStringLiteral("text"));
    EXPECT_EQ(text->geometry(), QRect(20, 10, 360, 170));
    EXPECT_EQ(box.Button(6)->geometry().bottom(), 260 - 10 - 1);
    box.close();
}
