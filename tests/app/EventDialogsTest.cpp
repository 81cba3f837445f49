#include "AppTestSupport.h"
#include "app/core/EventManager.h"
#include "app/ui/NewEventWizard.h"
#include "app/ui/SelectEvent.h"
#include "app/ui/WeddingInfoDlg.h"
#include "backup/core/CheckpointStore.h"
#include "backup/ui/BackUpDlg.h"
#include "controls/CommandIds.h"
#include "data/records/Group.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton* OkButton(QDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

TEST(EventDialogs, TheWizardAddsABarMitzvahNamedByItsOwnFormat)
{
    CFrameFixture fixture;
    fixture.document->Events().Active()->SetName(QStringLiteral("החתונה"));
    CNewEventWizard wizard(*fixture.document, true);
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("הוספת אירוע (שלב 1 מ- 4)"));
    EXPECT_FALSE(wizard.BackButton()->isVisible());
    wizard.Types()->setCurrentRow(3);
    Click(wizard.NextButton());

    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("הוספת אירוע (שלב 2 מ-4)"));
    EXPECT_TRUE(wizard.CopyChoice()->isEnabled());
    EXPECT_FALSE(wizard.SourceEvents()->isEnabled());
    Click(wizard.NextButton());

    EXPECT_EQ(wizard.CurrentPage(), CNewEventWizard::NamesPage);
    EXPECT_FALSE(wizard.GroomGroup()->isVisible()) << "one celebrant";
    fixture.messages.Answer({MSG_RESULT_OK});
    Click(wizard.NextButton());
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages()[0].text, QStringLiteral("נא למלא פרטים חסרים"));
    EXPECT_EQ(fixture.messages.ShownMessages()[0].caption, QStringLiteral("חסרים פרטים!"));
    EXPECT_EQ(wizard.CurrentPage(), CNewEventWizard::NamesPage);
    QTest::keyClicks(wizard.BrideName(), QStringLiteral("דני"));
    EXPECT_EQ(wizard.EventName()->text(), QStringLiteral("בר המצוה של דני "));
    Click(wizard.NextButton());

    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("הוספת אירוע (שלב 4 מ-4)"));
    EXPECT_EQ(wizard.NextButton()->text(), QStringLiteral("סיום"));
    EXPECT_TRUE(wizard.GroupsChoice()->isChecked());
    Click(wizard.NextButton());

    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_EQ(fixture.document->Events().Count(), 2);
    EXPECT_EQ(fixture.document->Events().Active()->GetName(), QStringLiteral("בר המצוה של דני "));
    EXPECT_EQ(fixture.document->Settings().GetEventType(), 3);
    ASSERT_EQ(fixture.document->Groups().size(), 6);
    EXPECT_EQ(fixture.document->Groups().front()->GetName(), QStringLiteral("דני-חברים מהצבא"));
}

TEST(EventDialogs, CopyingFromAnEventPreselectsNoGroupsAndBackKeepsTheValues)
{
    CFrameFixture fixture;
    fixture.document->Events().Active()->SetName(QStringLiteral("החתונה"));
    CNewEventWizard wizard(*fixture.document, true);
    wizard.show();
    Click(wizard.NextButton());
    Click(wizard.CopyChoice());
    EXPECT_TRUE(wizard.SourceEvents()->isEnabled());
    EXPECT_EQ(wizard.SourceEvents()->currentItem()->text(), QStringLiteral("החתונה"));
    Click(wizard.NextButton());
    QTest::keyClicks(wizard.BrideName(), QStringLiteral("דנה"));
    QTest::keyClicks(wizard.GroomName(), QStringLiteral("אבי"));
    EXPECT_EQ(wizard.EventName()->text(), QStringLiteral("החתונה של דנה ואבי"));
    Click(wizard.NextButton());
    EXPECT_FALSE(wizard.GroupsChoice()->isChecked());
    Click(wizard.BackButton());
    EXPECT_EQ(wizard.BrideName()->text(), QStringLiteral("דנה"));

    const CEventDescription description = wizard.Description();
    EXPECT_EQ(description.copyFrom, fixture.document->Events().Active()->GetFolder());
    EXPECT_FALSE(description.createGroups);
}

TEST(EventDialogs, AWizardWithNoNamedEventOffersNoCopy)
{
    CFrameFixture fixture;
    fixture.document->Events().Active()->SetName(QString());
    CNewEventWizard wizard(*fixture.document, true);
    EXPECT_FALSE(wizard.CopyChoice()->isEnabled());
    EXPECT_EQ(wizard.SourceEvents()->count(), 0);
}

TEST(EventDialogs, TheFirstShowingDescribesTheEventWithoutAFolder)
{
    CFrameFixture fixture;
    CNewEventWizard wizard(*fixture.document, false);
    wizard.show();
    Click(wizard.NextButton());
    EXPECT_EQ(wizard.CurrentPage(), CNewEventWizard::NamesPage) << "nothing to copy into an existing event";
    QTest::keyClicks(wizard.BrideName(), QStringLiteral("דנה"));
    QTest::keyClicks(wizard.GroomName(), QStringLiteral("אבי"));
    Click(wizard.NextButton());
    Click(wizard.NextButton());

    EXPECT_EQ(fixture.document->Events().Count(), 1);
    EXPECT_FALSE(QFileInfo::exists(fixture.DataFolder() + "/DB1"));
    EXPECT_EQ(fixture.document->Settings().Key("BrideName"), QStringLiteral("דנה"));
    EXPECT_EQ(fixture.document->Events().Active()->GetName(), QStringLiteral("החתונה של דנה ואבי"));
}

TEST(EventDialogs, DetailsOfABarMitzvahNameItByItsOwnFormat)
{
    CFrameFixture fixture;
    fixture.document->Settings().SetEventType(3);
    CWeddingInfoDlg details(*fixture.document);
    details.show();
    EXPECT_FALSE(details.GroomGroup()->isVisible());
    QTest::keyClicks(details.BrideName(), QStringLiteral("דני"));
    EXPECT_EQ(details.EventName()->text(), QStringLiteral("בר המצוה של דני "));
    QTest::keyClicks(details.EventCode(), QStringLiteral("A17"));
    Click(OkButton(details));

    EXPECT_EQ(details.result(), QDialog::Accepted);
    EXPECT_EQ(fixture.document->Settings().GetEveName(), QStringLiteral("בר המצוה של דני "));
    EXPECT_EQ(fixture.document->Settings().Key("EventCode"), "A17");
}

TEST(EventDialogs, DetailsAskForNamesAndForAnEventName)
{
    CFrameFixture fixture;
    CWeddingInfoDlg details(*fixture.document);
    details.show();
    fixture.messages.Answer({MSG_RESULT_YES});
    Click(OkButton(details));
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages()[0].text, StringTable::Get(59604));
    EXPECT_TRUE(details.isVisible());

    QTest::keyClicks(details.BrideName(), QStringLiteral("דנה"));
    QTest::keyClicks(details.GroomName(), QStringLiteral("אבי"));
    EXPECT_EQ(details.EventName()->text(), QStringLiteral("החתונה של דנה ואבי"));
    details.EventName()->clear();
    QTest::keyClicks(details.EventName(), QStringLiteral(" "));
    fixture.messages.Answer({MSG_RESULT_OK});
    Click(OkButton(details));
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 2);
    EXPECT_EQ(fixture.messages.ShownMessages()[1].text, QStringLiteral("שם הארוע לא הוקלד. אנא תנו שם לארוע."));
    EXPECT_TRUE(details.isVisible());
}

TEST(EventDialogs, TheSwitchDialogLoadsTheChosenEvent)
{
    CFrameFixture fixture;
    CEventDescription description;
    description.type = 1;
    description.brideName = QStringLiteral("נועם");
    description.eventName = QStringLiteral("הברית של נועם ");
    ASSERT_TRUE(CEventManager(*fixture.document).AddEvent(description));
    CSelectEvent select(*fixture.document);
    EXPECT_EQ(select.Events()->currentRow(), 1);
    select.Events()->setCurrentRow(0);
    Click(OkButton(select));

    EXPECT_EQ(fixture.document->Events().Active()->GetId(), "DB");
}

TEST(EventDialogs, TheRestoreListIsNewestFirstAndOkWantsARow)
{
    CFrameFixture fixture;
    const CCheckpointStore store(fixture.document->Location().GetBackupFolder());
    QDir(fixture.document->Location().GetBackupFolder()).removeRecursively();
    for (int day : {2, 9, 5})
        store.Take(fixture.document->Location().GetEventFolder(), QDateTime(QDate(2026, 11, day), QTime(10, 0, 0)));
    CBackUpDlg restore(*fixture.document);
    restore.show();
    QTreeWidget* list = restore.Checkpoints();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "09-11-2026--10-00-00");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "05-11-2026--10-00-00");
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("רשומות מוזמנים"));

    fixture.messages.Answer({MSG_RESULT_OK});
    Click(OkButton(restore));
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages()[0].text, QStringLiteral("בחר רשומת גיבוי אותה יש לשחזר"));
    EXPECT_EQ(fixture.messages.ShownMessages()[0].caption, QStringLiteral("לא נבחרה רשומה"));
    EXPECT_TRUE(restore.isVisible());
}

TEST(EventDialogs, TheEventAndBackupCommandsAreLive)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    for (int command : {ID_EVENT_DETAILS, ID_ADD_EVENT, ID_SWITCH_EVENT, ID_RESTORE, ID_EXPORT_TO_FOLDER, ID_EXPORT_BY_MAIL})
        EXPECT_TRUE(frame.IsCommandEnabled(command)) << command;
}

}
