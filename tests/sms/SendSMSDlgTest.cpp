// The send-SMS dialog, driven with real keys and mouse clicks offscreen.
#include "SmsComponent.h"

#include "sms/ui/SendSMSDlg.h"
#include "sms/ui/SendSMSPeopleTab.h"
#include "sms/ui/SendSMSSettingsTab.h"
#include "sms/ui/SmsPhoneSearchDlg.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QPushButton* Button(QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void ClickRow(QTreeWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->topLevelItem(row)).center());
}

// Key presses carrying Hebrew letters, which QTest's key names cannot spell.
void TypeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void ClickTab(QTabWidget* tabs, int index)
{
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

class SendSMSDlgTest : public ::testing::Test
{
protected:
    SendSMSDlgTest()
    {
        m_dan = m_event.AddGuest(QStringLiteral("דן"), QStringLiteral("לוי"), 2, 0, {}, {}, 1);
        m_dan->SetMobilePhone(QStringLiteral("0541234567"));
        m_dan->SetSmsCount(3);
        m_rina = m_event.AddGuest(QStringLiteral("רינה"), QStringLiteral("כהן"));
        m_rina->SetMobilePhone(QStringLiteral("0501234567"));
        m_avi = m_event.AddGuest(QStringLiteral("אבי"), QStringLiteral("מור"), 2, 0, {}, {}, 2);
        m_avi->SetPhone(QStringLiteral("052-7654321"));
        m_event.Doc().Settings().SetKey(QStringLiteral("CouplePhone"), QStringLiteral("0529998888"));
        m_event.Doc().SetModified(false);
    }

    std::unique_ptr<CSendSMSDlg> Open(CGuest* selected = nullptr)
    {
        auto dialog = std::make_unique<CSendSMSDlg>(m_event.Doc(), selected);
        dialog->SetPauseMs(0);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    CViewTestEvent m_event;
    CGuest* m_dan;
    CGuest* m_rina;
    CGuest* m_avi;
};

}

TEST_F(SendSMSDlgTest, OpensOnThePeoplePageWithEveryGuestAndTheTotal)
{
    auto dialog = Open(m_rina);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("can not find SMS module"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("שליחת SMS"));
    EXPECT_EQ(dialog->Tabs()->currentWidget(), dialog->People());
    EXPECT_EQ(dialog->Tabs()->tabText(0), QStringLiteral("שלב שני: הגדרות הודעת ה-SMS"));
    EXPECT_EQ(dialog->Tabs()->tabText(1), QStringLiteral("שלב ראשון : בחירת המוזמנים"));
    QTreeWidget* list = dialog->People()->List();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const QTreeWidgetItem* dan = list->topLevelItem(0);
    EXPECT_EQ(dan->text(CSendSMSPeopleTab::RowNumber), QStringLiteral("1"));
    EXPECT_EQ(dan->text(CSendSMSPeopleTab::Names), QStringLiteral("דן לוי"));
    EXPECT_EQ(dan->text(CSendSMSPeopleTab::Mobile), QStringLiteral("0541234567"));
    EXPECT_EQ(dan->text(CSendSMSPeopleTab::SentCount), QStringLiteral("3"));
    EXPECT_EQ(dan->text(CSendSMSPeopleTab::Status), QStringLiteral("אושר"));
    EXPECT_EQ(list->topLevelItem(1)->text(CSendSMSPeopleTab::Status), QStringLiteral("לא ידוע"));
    EXPECT_EQ(list->topLevelItem(2)->text(CSendSMSPeopleTab::Status), QStringLiteral("לא באים"));
    EXPECT_EQ(dialog->People()->SelectedGuests(), QList<CGuest*>{m_rina});
    EXPECT_EQ(dialog->People()->Total()->text(), QStringLiteral("סה\"כ כמות סמסים שנשלחה: 3"));
}

TEST_F(SendSMSDlgTest, FiltersSortAndSelectWithTheMouseAndKeys)
{
    auto dialog = Open();
    CSendSMSPeopleTab* people = dialog->People();
    QTreeWidget* list = people->List();
    ClickRow(list, 0);
    ClickRow(list, 2, Qt::ControlModifier);
    EXPECT_EQ(people->SelectedGuests(), (QList<CGuest*>{m_dan, m_avi}));

    // A click on the status header sorts by its code, a second click the other way.
    QHeaderView* header = list->header();
    const auto clickHeader = [&](int column) {
        const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        ASSERT_EQ(header->logicalIndexAt(point), column);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
    };
    const auto names = [&]() {
        QStringList shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown.append(list->topLevelItem(row)->text(CSendSMSPeopleTab::Names));
        return shown;
    };
    const QStringList byStatus = {QStringLiteral("רינה כהן"), QStringLiteral("דן לוי"), QStringLiteral("אבי מור")};
    const QStringList byStatusDown = {byStatus[2], byStatus[1], byStatus[0]};
    clickHeader(CSendSMSPeopleTab::Status);
    const QStringList first = names();
    EXPECT_TRUE(first == byStatus || first == byStatusDown) << first.join(u',').toStdString();
    clickHeader(CSendSMSPeopleTab::Status);
    EXPECT_EQ(names(), first == byStatus ? byStatusDown : byStatus);
    EXPECT_EQ(people->SelectedGuests(),
              names() == byStatus ? (QList<CGuest*>{m_dan, m_avi}) : (QList<CGuest*>{m_avi, m_dan}));

    // "Guests with a mobile", then only Pelephone's.
    people->StateFilter()->setFocus();
    QTest::keyClick(people->StateFilter(), Qt::Key_Down);
    QTest::keyClick(people->StateFilter(), Qt::Key_Down);
    QTest::keyClick(people->StateFilter(), Qt::Key_Down);
    EXPECT_EQ(people->StateFilter()->currentIndex(), int(CSmsFilter::WithMobile));
    EXPECT_EQ(list->topLevelItemCount(), 2);
    people->CarrierFilter()->setFocus();
    QTest::keyClick(people->CarrierFilter(), Qt::Key_Down);
    QTest::keyClick(people->CarrierFilter(), Qt::Key_Down);
    QTest::keyClick(people->CarrierFilter(), Qt::Key_Down);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(CSendSMSPeopleTab::Names), QStringLiteral("רינה כהן"));

    QTest::mouseClick(Button(*people, QStringLiteral("בחר הכל")), Qt::LeftButton);
    EXPECT_EQ(people->SelectedGuests(), QList<CGuest*>{m_rina});
    QTest::mouseClick(Button(*people, QStringLiteral("נקה בחירה")), Qt::LeftButton);
    EXPECT_TRUE(people->SelectedGuests().isEmpty());
}

TEST_F(SendSMSDlgTest, FixNumbersAndSearchByPhone)
{
    auto dialog = Open();
    CSendSMSPeopleTab* people = dialog->People();
    m_event.Messages().Forget();
    m_event.Messages().Answer({MSG_RESULT_YES});
    QTest::mouseClick(people->FixButton(), Qt::LeftButton);
    EXPECT_EQ(m_avi->GetMobilePhone(), QStringLiteral("052-7654321"));
    EXPECT_TRUE(m_avi->GetPhone().isEmpty());
    EXPECT_EQ(people->List()->topLevelItem(2)->text(CSendSMSPeopleTab::Mobile), QStringLiteral("052-7654321"));
    EXPECT_TRUE(m_event.Doc().IsModified());

    CModalScript script;
    script.Then([](QWidget* window) {
        auto* search = qobject_cast<CSmsPhoneSearchDlg*>(window);
        ASSERT_NE(search, nullptr);
        QTest::keyClicks(search->PrefixField(), QStringLiteral("052"));
        QTest::keyClicks(search->NumberField(), QStringLiteral("7654321"));
        QTest::keyClick(search->NumberField(), Qt::Key_Return);
    });
    QTest::mouseClick(people->SearchButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(people->SelectedGuests(), QList<CGuest*>{m_avi});

    m_event.Messages().Forget();
    EXPECT_FALSE(people->FindPhone(QStringLiteral("03"), QStringLiteral("1234567")));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("לא נמצא מוזמן עם המספר המבוקש"));
}

TEST_F(SendSMSDlgTest, TheSettingsPageTypesAMessageChoosesAReadyOneAndStoresThem)
{
    m_event.Doc().Settings().SetKey(QStringLiteral("SmsMessage"), QStringLiteral("אחתssssssשתיים"));
    m_event.Doc().Settings().SetKey(QStringLiteral("GroumName"), QStringLiteral("דן"));
    m_event.Doc().Settings().SetKey(QStringLiteral("BrideName"), QStringLiteral("רינה"));
    auto dialog = Open();
    ClickTab(dialog->Tabs(), 0);
    CSendSMSSettingsTab* settings = dialog->Settings();
    ASSERT_EQ(dialog->Tabs()->currentWidget(), settings);
    // The couple's phone stands in for a sender not yet stored.
    EXPECT_EQ(settings->Sender(), QStringLiteral("0529998888"));
    EXPECT_EQ(settings->Message(), QStringLiteral("אחת\r\nשתיים"));
    EXPECT_EQ(settings->CharacterCount()->text(), QStringLiteral("כמות התווים בשימוש: 10"));

    QListWidget* ready = settings->ReadyMessages();
    ASSERT_EQ(ready->count(), 6);
    m_event.Messages().Forget();
    ready->scrollToItem(ready->item(4));
    QTest::mouseClick(ready->viewport(), Qt::LeftButton, {}, ready->visualItemRect(ready->item(4)).center());
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("חסר קוד ארוע"));
    EXPECT_EQ(settings->Message(), QStringLiteral("אחת\r\nשתיים"));

    ready->scrollToItem(ready->item(1));
    QTest::mouseClick(ready->viewport(), Qt::LeftButton, {}, ready->visualItemRect(ready->item(1)).center());
    EXPECT_EQ(settings->Message(), QStringLiteral("אנא אשרו את השתתפותכם בחתונתינו. שילחו הודעה חזרה עם מספר בני "
                                                  "המשפחה שיבואו. תודה דן ורינה."));

    settings->MessageField()->setFocus();
    QTest::keyClick(settings->MessageField(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(settings->MessageField(), Qt::Key_Return);
    TypeText(settings->MessageField(), QStringLiteral("ביי"));
    EXPECT_TRUE(settings->Message().endsWith(QStringLiteral("דן ורינה.\r\nביי")));
    EXPECT_EQ(settings->CharacterCount()->text(),
              QStringLiteral("כמות התווים בשימוש: %1").arg(settings->Message().size()));
    QTest::keyClicks(settings->UserField(), QStringLiteral("dana"));
    QTest::keyClicks(settings->PasswordField(), QStringLiteral("x1"));

    QTest::mouseClick(Button(*dialog, QStringLiteral("שמור הגדרות")), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const CSettings& stored = m_event.Doc().Settings();
    EXPECT_EQ(stored.Key(QStringLiteral("SmsUserName")), QStringLiteral("dana"));
    EXPECT_EQ(stored.Key(QStringLiteral("SmsPassword")), QStringLiteral("x1"));
    EXPECT_EQ(stored.Key(QStringLiteral("SmsFromNum")), QStringLiteral("0529998888"));
    EXPECT_TRUE(stored.Key(QStringLiteral("SmsMessage")).endsWith(QStringLiteral("דן ורינה.ssssssביי")));
    EXPECT_TRUE(m_event.Doc().IsModified());
}

TEST_F(SendSMSDlgTest, SendingFromTheDialogCountsAndRefreshesTheList)
{
    CSmsComponent component(m_event.Home().Path());
    ASSERT_TRUE(component.IsReady());
    auto dialog = Open();
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
    QTreeWidget* list = dialog->People()->List();
    ClickRow(list, 0);
    ClickRow(list, 1, Qt::ControlModifier);

    ClickTab(dialog->Tabs(), 0);
    CSendSMSSettingsTab* settings = dialog->Settings();
    QTest::keyClicks(settings->UserField(), QStringLiteral("dana"));
    QTest::keyClicks(settings->PasswordField(), QStringLiteral("x1"));
    QTest::keyClicks(settings->MessageField(), QStringLiteral("Hi"));
    m_event.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_OK});
    QTest::mouseClick(settings->SendButton(), Qt::LeftButton);

    EXPECT_EQ(component.Messages(), (QStringList{QStringLiteral("0541234567|Hi"), QStringLiteral("0501234567|Hi")}));
    EXPECT_EQ(m_dan->GetSmsCount(), 4);
    EXPECT_EQ(m_rina->GetSmsCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(CSendSMSPeopleTab::SentCount), QStringLiteral("4"));
    EXPECT_EQ(dialog->People()->Total()->text(), QStringLiteral("סה\"כ כמות סמסים שנשלחה: 5"));
    EXPECT_TRUE(settings->StatusLine()->text().isEmpty());
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(m_event.Messages().ShownMessages()[1].text, QStringLiteral("ההודעות נשלחו בהצלחה"));
    // Saved at the end of the run.
    EXPECT_FALSE(m_event.Doc().IsModified());
}
