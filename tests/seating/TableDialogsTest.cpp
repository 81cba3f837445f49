#include "controls/SearchTableDlg.h"
#include "seating/ui/TableDefDlg.h"
#include "seating/ui/TableDlg.h"

#include "controls/NumberSpinEdit.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(TableDlg, SeatsAreAcceptedFromOneToThirtyOrUpToAnEnlargedTablesOwn)
{
    CScriptedMessages messages;
    CTableDlg dialog({QStringLiteral("חברים מהעבודה")}, {QStringLiteral("שולחן"), 10, 4}, -1, &messages);
    dialog.show();
    dialog.SeatsField()->setValue(31);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-30."));
    dialog.SeatsField()->setValue(30);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    CTableDlg enlarged({}, {QStringLiteral("גדול"), 35, 2}, 2, &messages);
    enlarged.accept();
    EXPECT_EQ(enlarged.result(), QDialog::Accepted);
    EXPECT_EQ(enlarged.GetValues().seats, 35);
    CTableDlg more({}, {QStringLiteral("גדול"), 35, 2}, 2, &messages);
    more.SeatsField()->setValue(36);
    more.accept();
    EXPECT_NE(more.result(), QDialog::Accepted);
}

TEST(TableDlg, ANewTableIsHeldToThirtySeatsWhateverWasProposed)
{
    CScriptedMessages messages;
    CTableDlg dialog({}, {QStringLiteral("שולחן"), 50, 4}, -1, &messages);
    dialog.show();
    EXPECT_EQ(dialog.SeatsField()->text(), QStringLiteral("50"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-30."));
}

TEST(TableDlg, ANumberTheFieldCannotTakeIsShownAsItIsAndRefusedOnOk)
{
    CScriptedMessages messages;
    CTableDlg dialog({}, {QStringLiteral("שולחן"), 150, 0}, -1, &messages);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.SeatsField()->text(), QStringLiteral("150"));
    EXPECT_EQ(dialog.HallField()->text(), QStringLiteral("0"));
    // Leaving the field keeps what it shows.
    dialog.SeatsField()->setFocus();
    dialog.HallField()->setFocus();
    EXPECT_EQ(dialog.SeatsField()->value(), 150);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-30."));
    EXPECT_EQ(messages.ShownMessages()[0].caption, QStringLiteral("ערך לא חוקי"));
    EXPECT_TRUE(dialog.SeatsField()->hasFocus());

    QTest::keyClicks(dialog.SeatsField(), QStringLiteral("123"));
    EXPECT_EQ(dialog.SeatsField()->text(), QStringLiteral("12"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    ASSERT_EQ(messages.ShownMessages().size(), 2);
    EXPECT_EQ(messages.ShownMessages()[1].text, QStringLiteral("יש להקליד מספר שלם בין 1 ל-999."));
    QTest::keyClicks(dialog.HallField(), QStringLiteral("7"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetValues().seats, 12);
    EXPECT_EQ(dialog.GetValues().hallNumber, 7);
}

TEST(TableDlg, TheSeatArrowsRunFromThreeToNinetyNineAndTypingTakesTwoDigits)
{
    CScriptedMessages messages;
    CTableDlg dialog({}, {QStringLiteral("שולחן"), 4, 2}, -1, &messages);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    CNumberSpinEdit* seats = dialog.SeatsField();
    seats->setFocus();
    QTest::keyClick(seats, Qt::Key_Down);
    QTest::keyClick(seats, Qt::Key_Down);
    EXPECT_EQ(seats->value(), 3);
    seats->setValue(98);
    QTest::keyClick(seats, Qt::Key_Up);
    QTest::keyClick(seats, Qt::Key_Up);
    EXPECT_EQ(seats->value(), 99);

    // Below the arrows' range a typed count is still a table's seats.
    seats->selectAll();
    QTest::keyClicks(seats, QStringLiteral("1"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetValues().seats, 1);
    EXPECT_TRUE(messages.ShownMessages().isEmpty());
}

TEST(TableDlg, TheNameTakesAGroupAndAtMostTwentyFiveCharacters)
{
    CTableDlg dialog({QStringLiteral("משפחה של הכלה"), QString(40, QChar(0x05D0))}, {QStringLiteral("ישן"), 10, 4}, -1, nullptr);
    EXPECT_EQ(dialog.GroupList()->count(), 2);
    dialog.GroupList()->setCurrentRow(0);
    EXPECT_EQ(dialog.NameField()->text(), QStringLiteral("משפחה של הכלה"));
    dialog.GroupList()->setCurrentRow(1);
    EXPECT_EQ(dialog.NameField()->text().size(), 25);
    dialog.NameField()->clear();
    EXPECT_EQ(dialog.GetValues().name, QStringLiteral("לא משויך"));
    EXPECT_EQ(dialog.HallField()->ArrowMaximum(), 999);
}

TEST(TableDefDlg, StoresWhatChangedAndRefreshesOncePerChangedFlag)
{
    CViewTestEvent event;
    int hints = 0;
    QObject::connect(&event.Doc(), &CNewZelDoc::Hint, [&hints](QObject*, int hint, CHintObject*) {
        hints += hint == HINT_TABLE_CHANGED ? 1 : 0;
    });
    {
        CTableDefDlg dialog(event.Doc());
        EXPECT_EQ(dialog.SeatsField()->value(), 10);
        dialog.accept();
        EXPECT_EQ(hints, 0);
        EXPECT_TRUE(event.Doc().Settings().Key(QStringLiteral("ShowSerial")).isEmpty());
    }
    CTableDefDlg dialog(event.Doc());
    dialog.SeatsField()->setValue(600);
    dialog.ByHallNumberBox()->setChecked(true);
    dialog.ShowSerialBox()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(hints, 2);
    CSettings& settings = event.Doc().Settings();
    EXPECT_EQ(settings.GetNumberOfGuestsInTable(), 600);
    EXPECT_TRUE(settings.GetArrangeTableByHallNumber());
    EXPECT_FALSE(settings.GetDontShowNonComming());
    EXPECT_EQ(settings.Key(QStringLiteral("ShowSerial")), QStringLiteral("1"));

    CTableDefDlg again(event.Doc());
    EXPECT_TRUE(again.ShowSerialBox()->isChecked());
    again.ShowSerialBox()->setChecked(false);
    again.accept();
    EXPECT_EQ(settings.Key(QStringLiteral("ShowSerial")), QStringLiteral("0"));
    EXPECT_EQ(hints, 3);
}

TEST(SearchTableDlg, TheFocusAndTheFieldsFollowTheFlags)
{
    {
        CSearchTableDlg dialog(true, QStringLiteral("דנה"), QStringLiteral("7"), true, false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_TRUE(dialog.TableField()->hasFocus());
        EXPECT_TRUE(dialog.IsUp());
        EXPECT_EQ(dialog.TableText(), QStringLiteral("7"));
    }
    CSearchTableDlg dialog(false, QStringLiteral("דנה"), QString(), true, true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(dialog.TableField()->isEnabled());
    EXPECT_TRUE(dialog.GuestField()->hasFocus());
    EXPECT_EQ(dialog.GuestField()->selectedText(), QStringLiteral("דנה"));
    EXPECT_FALSE(dialog.IsUp());
    EXPECT_EQ(dialog.SearchButton()->text(), QStringLiteral("חפש"));
    dialog.UpButton()->setChecked(true);
    QTest::keyClick(dialog.GuestField(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.IsUp());
}
