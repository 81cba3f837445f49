#include "finance/ui/DolarRateDlg.h"
#include "finance/ui/ExpencesDlg.h"
#include "finance/ui/ExpencesView.h"
#include "finance/ui/PaymentDlg.h"

#include "controls/ListCtrlEx.h"
#include "controls/NumberSpinEdit.h"
#include "data/document/ViewHint.h"
#include "data/records/Expence.h"

#include "HintLog.h"
#include "ListDriver.h"
#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Col = CExpenseListModel::Column;

using ExpencesViewTest = CViewTest<CExpencesView>;

class ExpencesViewEnglishTest : public ExpencesViewTest
{
protected:
    ExpencesViewEnglishTest()
        : CViewTest(UiLanguage::English)
    {
    }
};

}

TEST_F(ExpencesViewTest, AnAmountTypedInPlaceIsKeptByTheDialogsOk)
{
    m_event.Doc().Settings().SetDolarToShekel(4);
    Show();
    ASSERT_EQ(m_view->Model().rowCount(), 33);
    EXPECT_EQ(Cell(1, Col::ColName), QStringLiteral("אולם"));
    EXPECT_EQ(Cell(1, Col::ColDate), QStringLiteral("0.0.00"));
    CHintLog hints(m_event.Doc());

    TypeInto(1, Col::ColShekels, "5000");
    CExpence* hall = m_event.Doc().Expenses().at(1);
    EXPECT_EQ(hall->GetShekels(), 5000);
    EXPECT_EQ(hall->GetPaymentCount(), 1);
    EXPECT_EQ(Cell(1, Col::ColShekels), QStringLiteral("5000"));
    EXPECT_EQ(Cell(1, Col::ColPayments), QStringLiteral("1"));
    EXPECT_EQ(hints.Count(HINT_EXPENSE_CHANGED), 1);
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("5000"));

    TypeInto(1, Col::ColDollars, "100");
    EXPECT_EQ(m_view->DollarsLabel()->text(), QStringLiteral("100 x 4.00 = 400"));
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("5400"));
    EXPECT_EQ(m_view->RemainingLabel()->text(), QStringLiteral("5400"));

    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CPaymentDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("שינוי הוצאה קיימת"));
        const CPaymentRowsModel& rows = dialog->RowsModel();
        EXPECT_EQ(rows.rowCount(), 12);
        EXPECT_EQ(rows.data(rows.index(0, CPaymentRowsModel::ColShekels), Qt::DisplayRole).toString(), "5000");
        EXPECT_EQ(rows.data(rows.index(11, CPaymentRowsModel::ColNumber), Qt::DisplayRole).toString(),
                  QStringLiteral("סה\"כ"));
        EXPECT_EQ(rows.data(rows.index(11, CPaymentRowsModel::ColShekels), Qt::DisplayRole).toString(), "5000");
        dialog->accept();
    });
    ClickCell(1, Col::ColName);
    QTest::mouseClick(m_view->EditButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(hall->GetShekels(), 5000);
    EXPECT_EQ(hall->GetDollars(), 100);
}

TEST_F(ExpencesViewTest, ATypingErrorIsRefusedWithTheListsMessageAndTheOldValueStays)
{
    Show();
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    TypeInto(0, Col::ColDollars, "100001");
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("הערך שהוקלד אינו מתאים לסוג שאפשרי לתא זה"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("טעות הקלדה!"));
    QTest::keyClick(m_view->List()->Editor()->LineEdit(), Qt::Key_Escape);
    TypeInto(0, Col::ColShekels, "1000001");
    EXPECT_EQ(m_event.Messages().ShownMessages().size(), 2);
    QTest::keyClick(m_view->List()->Editor()->LineEdit(), Qt::Key_Escape);
    EXPECT_EQ(m_event.Doc().Expenses().front()->GetDollars(), 0);
    EXPECT_FALSE(m_event.Doc().IsModified());
}

TEST_F(ExpencesViewTest, SeveralPaymentsRefuseTheAmountCellsWithTheirCaption)
{
    CExpence* expense = m_event.Doc().Expenses().front();
    expense->AddPayment().SetShekels(1);
    expense->AddPayment().SetShekels(2);
    Show();
    ClickCell(0, Col::ColShekels);
    QTest::keyClick(m_view->List(), Qt::Key_F2);
    EXPECT_FALSE(m_view->List()->IsEditing());
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("לא ניתן לשנות ערך זה מכאן!"));
}

TEST_F(ExpencesViewTest, TheDeleteKeyAsksAndSelectsTheRowThatTakesThePlace)
{
    Show();
    CExpence* third = m_event.Doc().Expenses().at(2);
    ClickCell(1, Col::ColName);
    m_event.Messages().Answer({MSG_RESULT_YES});
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק הוצאה זו?"));
    EXPECT_EQ(m_view->Model().rowCount(), 32);
    EXPECT_EQ(m_view->SelectedExpense(), third);
    EXPECT_EQ(Cell(1, Col::ColNumber), QStringLiteral("2"));
}

TEST_F(ExpencesViewTest, FullyPaidFromTheMenuIsSavedAndThenDisabled)
{
    Show();
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    ClickCell(3, Col::ColName);
    std::unique_ptr<QMenu> menu(m_view->BuildContextMenu(m_view.get()));
    QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[2]->text(), QStringLiteral("ההוצאה שולמה במלואה"));
    EXPECT_TRUE(actions[2]->isEnabled());
    actions[2]->trigger();
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(Cell(3, Col::ColPaid), QStringLiteral("כן"));
    menu.reset(m_view->BuildContextMenu(m_view.get()));
    EXPECT_FALSE(menu->actions()[2]->isEnabled());
}

TEST_F(ExpencesViewTest, TheDateHeaderSortsTheEventAndUpMovesTheExpenseSeen)
{
    QList<CExpence*>& expenses = m_event.Doc().EditRecords().expenses;
    while (expenses.size() > 3)
        delete expenses.takeLast();
    CExpence* a = expenses[0];
    CExpence* b = expenses[1];
    CExpence* c = expenses[2];
    a->AddPayment();
    b->AddPayment();
    c->AddPayment();
    a->SetDate(ShortDate{2026, 3, 1});
    b->SetDate(ShortDate{2025, 1, 1});
    c->SetDate(ShortDate{2026, 1, 1});
    Show();
    ClickCell(0, Col::ColName);
    QHeaderView* header = m_view->List()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(Col::ColDate) + header->sectionSize(Col::ColDate) / 2,
                             header->height() / 2));
    EXPECT_EQ(expenses, (QList<CExpence*>{b, c, a}));
    EXPECT_EQ(m_view->SelectedExpense(), a);
    EXPECT_EQ(Cell(2, Col::ColName), a->GetName());

    QTest::mouseClick(m_view->UpButton(), Qt::LeftButton);
    EXPECT_EQ(expenses, (QList<CExpence*>{b, a, c}));
    EXPECT_EQ(m_view->SelectedExpense(), a);
    EXPECT_TRUE(m_event.Doc().IsModified());
}

TEST_F(ExpencesViewTest, AddFillsANewExpenseFromTheDialogAndItsPaymentDialog)
{
    Show();
    CHintLog hints(m_event.Doc());
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CPaymentDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("הוספת הוצאה חדשה"));
        EXPECT_EQ(dialog->NameField()->text(), QStringLiteral("הוצאה חדשה"));
        dialog->NameField()->setText(QStringLiteral("צלם"));
        dialog->PayerField()->setCurrentIndex(2);
        QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
    });
    script.Then([this](QWidget* window) {
        auto* payment = qobject_cast<CExpencesDlg*>(window);
        ASSERT_NE(payment, nullptr);
        EXPECT_EQ(payment->DateText()->text(), ShortDate::Today().ToText());
        payment->ShekelsField()->setValue(1000001);
        payment->accept();
        // Out of range: the user is told and the dialog stays open.
        EXPECT_TRUE(payment->isVisible());
        ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
        EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("יש להקליד מספר שלם בין 0 ל-1000000."));
        payment->ShekelsField()->setValue(1000);
        payment->PaidBox()->setChecked(true);
        payment->accept();
    });
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CPaymentDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        const CPaymentRowsModel& rows = dialog->RowsModel();
        EXPECT_EQ(rows.data(rows.index(11, CPaymentRowsModel::ColPaid), Qt::DisplayRole).toString(), QStringLiteral("כן"));
        dialog->accept();
    });
    QTest::mouseClick(m_view->AddButton(), Qt::LeftButton);
    QTRY_COMPARE(script.Pending(), 0);
    ASSERT_EQ(m_event.Doc().Expenses().size(), 34);
    const CExpence* added = m_event.Doc().Expenses().back();
    EXPECT_EQ(added->GetName(), QStringLiteral("צלם"));
    EXPECT_EQ(added->GetPayer(), QStringLiteral("הכלה"));
    EXPECT_EQ(added->GetShekels(), 1000);
    EXPECT_TRUE(added->IsPaid());
    EXPECT_EQ(hints.Count(HINT_EXPENSE_ADDED), 1);
    EXPECT_EQ(m_view->SelectedExpense(), added);
    EXPECT_EQ(m_view->PaidLabel()->text(), QStringLiteral("1000"));
}

TEST_F(ExpencesViewTest, TheRateButtonSetsTheRoundedRateAndTheSummaryFollows)
{
    CExpence* expense = m_event.Doc().Expenses().front();
    expense->AddPayment();
    expense->SetDollars(10);
    Show();
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CDolarRateDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->RateField()->text(), QStringLiteral("0.00"));
        dialog->RateField()->setText(QStringLiteral("3.456"));
        dialog->accept();
    });
    QTest::mouseClick(m_view->RateButton(), Qt::LeftButton);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_DOUBLE_EQ(m_event.Doc().Settings().GetDolarToShekel(), 3.46);
    EXPECT_EQ(m_view->DollarsLabel()->text(), QStringLiteral("10 x 3.46 = 35"));
}

TEST_F(ExpencesViewEnglishTest, TheEnglishListHasNoShekelsAndCountsDollarsOnly)
{
    m_event.Doc().Settings().SetDolarToShekel(4);
    Show();
    EXPECT_EQ(m_view->Model().rowCount(), 54);
    EXPECT_TRUE(m_view->List()->isColumnHidden(Col::ColShekels));
    TypeInto(0, Col::ColDollars, "500");
    EXPECT_EQ(m_view->TotalLabel()->text(), QStringLiteral("500"));
    EXPECT_EQ(m_view->DollarsLabel()->text(), QStringLiteral("500"));
}
