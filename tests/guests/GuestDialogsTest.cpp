#include "guests/core/GuestFilter.h"
#include "guests/ui/GuestFilterDialog.h"
#include "guests/ui/GuestGeneralInfoDlg.h"
#include "guests/ui/GuestInfoTab1.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/ui/GuestsView.h"
#include "guests/ui/KidsDlg.h"
#include "guests/ui/MultiGuestOperationDlg.h"
#include "guests/ui/SelectGuestsDlg.h"

#include "controls/ListCtrlEx.h"
#include "data/document/ViewHint.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTest>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

TEST(KidsDlg, AsManyKidsAsInvitedIsAcceptedOneMoreIsRefused)
{
    CScriptedMessages messages;
    CGuest guest(nullptr, nullptr);
    guest.SetInvited(3);
    CKidsDlg dialog(guest, &messages);
    dialog.show();
    dialog.KidsField()->setValue(4);
    dialog.ChairBox()->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.ShownMessages().size(), 1);
    EXPECT_EQ(messages.ShownMessages()[0].text,
              QStringLiteral("מספר הילדים שהוקלד גדול ממספר המוזמנים במשפחה זו.\r\nמצב זה בילתי אפשרי, מספר הילדים חייב להיות קטן "
                             "ממספר\r\nהמוזמנים במשפחה."));
    EXPECT_EQ(messages.ShownMessages()[0].caption, QStringLiteral("מספר ילדים שגוי"));
    EXPECT_EQ(guest.GetKids(), 0);

    dialog.KidsField()->setValue(3);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(guest.GetKids(), 0);
    EXPECT_TRUE(dialog.WriteTo(guest));
    EXPECT_EQ(guest.GetKids(), 3);
    EXPECT_TRUE(guest.GetNeedKidsChair());
}

TEST(GuestGeneralInfoDlg, PickedGuestsRestrictEachOtherOnOk)
{
    CViewTestEvent event;
    CGuest* dana = event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuest* ron = event.AddGuest(QStringLiteral("רון"), QStringLiteral("כהן"));
    CGuest* avi = event.AddGuest(QStringLiteral("אבי"));
    dana->AddRestriction(QStringLiteral("אבי"), true);
    CGuestsView view(event.Doc());
    view.show();
    event.Doc().SetModified(false);

    CModalScript script;
    script.Then([&](QWidget* window) {
        auto* dialog = qobject_cast<CGuestGeneralInfoDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Names(), QStringList{QStringLiteral("אבי")});
        EXPECT_EQ(dialog->Candidates(), QStringList{QStringLiteral("רון כהן")});
        QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->Names(), (QStringList{QStringLiteral("אבי"), QStringLiteral("רון כהן")}));
        dialog->List()->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(dialog->RemoveButton(), Qt::LeftButton);
        dialog->accept();
    });
    script.Then([](QWidget* window) {
        auto* picker = qobject_cast<CSelectGuestsDlg*>(window);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->windowTitle(), QStringLiteral("בחירת מוזמנים"));
        picker->List()->item(0)->setSelected(true);
        picker->accept();
    });
    QTest::mouseClick(view.Tab2()->RestrictionsButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(dana->GetRestrictions(), QStringList{QStringLiteral("רון כהן")});
    EXPECT_EQ(ron->GetRestrictions(), QStringList{QStringLiteral("דנה לוי")});
    EXPECT_TRUE(avi->GetRestrictions().isEmpty());
    EXPECT_TRUE(event.Doc().IsModified());
}

TEST(MultiGuestOperationDlg, WritesTheCheckedFieldsIntoTheSelectedGuests)
{
    CViewTestEvent event;
    event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuest* first = event.AddGuest(QStringLiteral("דנה"), QString(), 2, 0, QStringLiteral("צבא"));
    CGuest* second = event.AddGuest(QStringLiteral("רון"), QString(), 2, 0, QStringLiteral("צבא"));
    CGuest* third = event.AddGuest(QStringLiteral("אבי"), QString(), 2, 0, QStringLiteral("צבא"));
    CGuestsView view(event.Doc());
    view.show();
    view.List()->SelectRow(1);
    int rewrites = 0;
    QObject::connect(&event.Doc(), &CNewZelDoc::Hint, [&rewrites](QObject*, int hint, CHintObject*) { rewrites += hint == 24; });

    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CMultiGuestOperationDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->ComingField()->isEnabled());
        dialog->List()->item(0)->setSelected(true);
        dialog->List()->item(2)->setSelected(true);
        dialog->FieldBox(CMultiGuestOperationDlg::FieldComing)->setChecked(true);
        EXPECT_TRUE(dialog->ComingField()->isEnabled());
        dialog->ComingField()->setValue(5);
        dialog->FieldBox(CMultiGuestOperationDlg::FieldGroup)->setChecked(true);
        dialog->GroupCombo()->setCurrentIndex(1);
        dialog->FieldBox(CMultiGuestOperationDlg::FieldStatus)->setChecked(true);
        dialog->StatusGroup()->button(1)->setChecked(true);
        dialog->accept();
    });
    QTest::mouseClick(view.MultiButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    for (CGuest* guest : {first, third}) {
        EXPECT_EQ(guest->GetComing(), 5);
        EXPECT_EQ(guest->GetInvited(), 2);
        EXPECT_EQ(guest->GetGroupName(), QStringLiteral("עבודה"));
        EXPECT_TRUE(guest->IsApproved());
    }
    EXPECT_EQ(second->GetComing(), 2);
    EXPECT_EQ(view.List()->CellText(2, CGuestListModel::ColGroup), QStringLiteral("עבודה"));
    EXPECT_EQ(view.ShownGuest(), second);
    EXPECT_EQ(rewrites, 1);
}

TEST(GuestFilterDialog, ValuesAreChosenInPlaceAndWrittenBackOnOk)
{
    CViewTestEvent event;
    event.AddGroups({QStringLiteral("צבא"), QStringLiteral("עבודה")});
    CGuestFilter filter;
    filter.useStatus = true;
    filter.status = 2;
    CGuestFilterDialog dialog(event.Doc(), filter);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.Value(CGuestFilterDialog::RowStatus), QStringLiteral("לא יבואו"));
    EXPECT_EQ(dialog.Value(CGuestFilterDialog::RowGroup), QStringLiteral("*"));

    CListCtrlEx* list = dialog.List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(CGuestFilterDialog::RowGroup, 0)).center());
    // Tab from the field name goes to its value, whose list starts with "*".
    QTest::keyClick(list, Qt::Key_Tab);
    ASSERT_TRUE(list->IsEditing());
    QComboBox* combo = list->Editor()->ComboBox();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("*"));
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(dialog.Value(CGuestFilterDialog::RowGroup), QStringLiteral("עבודה"));

    dialog.accept();
    EXPECT_TRUE(filter.useGroup);
    EXPECT_EQ(filter.group, QStringLiteral("עבודה"));
    EXPECT_TRUE(filter.useStatus);
    EXPECT_EQ(filter.status, 2);
    EXPECT_FALSE(filter.useEmail);

    CGuestFilterDialog again(event.Doc(), filter);
    again.ClearFilter();
    again.accept();
    EXPECT_FALSE(filter.useGroup);
    EXPECT_FALSE(filter.useStatus);
}

TEST(GuestInfoTab2, TransportCountersAndTheGiftFields)
{
    CViewTestEvent event;
    event.Doc().Settings().SetEventType(1);
    CGuest* onBus = event.AddGuest(QStringLiteral("רון"), QString(), 4);
    onBus->SetTransport(2);
    CGuest* guest = event.AddGuest(QStringLiteral("דנה"), QString(), 3);
    CGuestInfoTab2 tab(event.Doc());
    tab.show();
    tab.ShowGuest(guest);
    EXPECT_EQ(tab.TransportCombo()->itemText(1), QStringLiteral("הסעה מס 1"));
    EXPECT_EQ(tab.TransportCombo()->count(), 6);
    EXPECT_FALSE(tab.GiftAmount()->isVisible());
    EXPECT_FALSE(tab.GiftButton()->isEnabled());
    QSignalSpy smsAsked(&tab, &CGuestInfoTabBase::SmsRequested);
    QTest::mouseClick(tab.SmsButton(), Qt::LeftButton);
    EXPECT_EQ(smsAsked.count(), 1);
    EXPECT_FALSE(tab.MailButton()->isEnabled());
    EXPECT_EQ(tab.CodeLabel()->text(), QString::number(guest->GetUniqueId()));

    tab.TransportCombo()->setCurrentIndex(2);
    emit tab.TransportCombo()->activated(2);
    EXPECT_EQ(guest->GetTransport(), 2);
    EXPECT_EQ(tab.TransportNow()->text(), QStringLiteral("4"));
    EXPECT_EQ(tab.TransportWith()->text(), QStringLiteral("7"));
    tab.ShowGuest(guest);
    EXPECT_EQ(tab.TransportNow()->text(), QStringLiteral("7"));
    EXPECT_EQ(tab.TransportWith()->text(), QStringLiteral("7"));

    guest->SetGiftInfo(QStringLiteral("הערה"));
    tab.RefreshGift();
    EXPECT_TRUE(tab.GiftAmount()->isVisible());
    EXPECT_EQ(tab.NameLine()->text(), QStringLiteral("דנה"));
}

TEST(GuestInfoTab2, TheNameLineLeadsBackToThePersonalDetails)
{
    CViewTestEvent event;
    event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuestsView view(event.Doc());
    view.show();
    view.Tabs()->setCurrentWidget(view.Tab2());
    EXPECT_EQ(view.Tab2()->NameLine()->text(), QStringLiteral("דנה לוי"));
    QTest::mouseClick(view.Tab2()->NameLine(), Qt::LeftButton);
    EXPECT_EQ(view.Tabs()->currentWidget(), view.Tab1());
}
