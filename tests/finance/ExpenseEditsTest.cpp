#include "finance/core/ExpenseEdits.h"
#include "finance/core/ExpenseTotals.h"
#include "finance/core/MoneyText.h"
#include "finance/core/PaymentPlan.h"

#include "data/document/ViewHint.h"
#include "data/records/Expence.h"

#include "HintLog.h"
#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

const QString kOnlyInDialog = QStringLiteral("לא ניתן לשנות ערך זה מכאן!");

CPaymentPlan::Row Payment(int shekels, int dollars, bool paid, ShortDate date = {})
{
    return {shekels, dollars, paid, date, QString()};
}

// A new expense at the end of the event's list with the payments given.
CExpence* AddExpense(CNewZelDoc& document, const QString& name, const QList<CPaymentPlan::Row>& payments)
{
    CPaymentPlan plan;
    for (const CPaymentPlan::Row& payment : payments)
        plan.Add(payment);
    return CExpenseEdits(document).Add(plan, QStringLiteral("החתן"), name, QString());
}

void ClearExpenses(CNewZelDoc& document)
{
    qDeleteAll(document.Expenses());
    document.EditRecords().expenses.clear();
}

}

TEST(ExpenseTotals, APartlyPaidExpenseCountsItsPaidPaymentsAtTheRate)
{
    CViewTestEvent event;
    ClearExpenses(event.Doc());
    CExpence* expense = AddExpense(event.Doc(), "Hall", {Payment(1000, 0, true), Payment(0, 500, false)});
    EXPECT_EQ(expense->GetPaid(), CPayment::PartlyPaid);
    EXPECT_EQ(expense->GetPaidText(), QString("חלקית"));
    EXPECT_EQ(expense->GetShekels(), 1000);
    EXPECT_EQ(expense->GetDollars(), 500);

    const CExpenseTotals hebrew = CExpenseTotals::Compute(event.Doc().Expenses(), 4.0, true);
    EXPECT_EQ(hebrew.shekels, 1000);
    EXPECT_EQ(hebrew.dollars, 500);
    EXPECT_DOUBLE_EQ(hebrew.dollarsInShekels, 2000);
    EXPECT_DOUBLE_EQ(hebrew.total, 3000);
    EXPECT_DOUBLE_EQ(hebrew.paid, 1000);
    EXPECT_DOUBLE_EQ(hebrew.remaining, 2000);

    // The English interface counts only the dollars.
    const CExpenseTotals english = CExpenseTotals::Compute(event.Doc().Expenses(), 4.0, false);
    EXPECT_DOUBLE_EQ(english.total, 500);
    EXPECT_DOUBLE_EQ(english.paid, 0);

    // Without a rate the dollars add nothing to the shekels.
    const CExpenseTotals noRate = CExpenseTotals::Compute(event.Doc().Expenses(), 0.0, true);
    EXPECT_DOUBLE_EQ(noRate.total, 1000);
    EXPECT_DOUBLE_EQ(noRate.remaining, 0);
}

TEST(ExpenseTotals, AFullyPaidExpenseCountsWholeAndBigSumsKeepEveryShekel)
{
    CViewTestEvent event;
    ClearExpenses(event.Doc());
    for (int n = 0; n < 3000; ++n)
        AddExpense(event.Doc(), "Big", {Payment(1000000, 100000, true)});
    const CExpenseTotals totals = CExpenseTotals::Compute(event.Doc().Expenses(), 3.75, true);
    EXPECT_EQ(totals.shekels, 3000000000LL);
    EXPECT_EQ(totals.dollars, 300000000LL);
    EXPECT_EQ(MoneyText::Whole(totals.total), "4125000000");
    EXPECT_EQ(MoneyText::Whole(totals.paid), "4125000000");
    EXPECT_EQ(MoneyText::Whole(totals.remaining), "0");
}

TEST(ExpenseEdits, AnInPlaceAmountOnAnExpenseWithoutPaymentsSurvivesTheDialogAndTheSave)
{
    CViewTestEvent event;
    CExpence* hall = event.Doc().Expenses().at(1);
    ASSERT_EQ(hall->GetPaymentCount(), 0);
    CHintLog hints(event.Doc());

    CExpenseEdits edits(event.Doc());
    ASSERT_TRUE(edits.SetAmount(*hall, CExpenseEdits::Currency::Shekels, "5000"));
    EXPECT_EQ(hall->GetShekels(), 5000);
    ASSERT_EQ(hall->GetPaymentCount(), 1);
    EXPECT_EQ(hall->GetPayment(0)->GetShekels(), 5000);
    EXPECT_TRUE(event.Doc().IsModified());
    EXPECT_EQ(hints.Count(HINT_EXPENSE_CHANGED), 1);

    ASSERT_TRUE(edits.SetDate(*hall, ShortDate{2026, 6, 21}));
    EXPECT_EQ(hall->GetPayment(0)->GetDate(), (ShortDate{2026, 6, 21}));

    // The dialog opened and closed with OK keeps what was typed in the list.
    edits.Edit(*hall, CPaymentPlan::FromExpense(*hall), hall->GetPayer(), hall->GetName(), hall->GetInfo());
    EXPECT_EQ(hall->GetShekels(), 5000);
    EXPECT_EQ(hall->GetDate(), (ShortDate{2026, 6, 21}));

    ASSERT_TRUE(event.Doc().SaveEvent());
    event.Reopen();
    const CExpence* read = event.Doc().Expenses().at(1);
    EXPECT_EQ(read->GetShekels(), 5000);
    EXPECT_EQ(read->GetDate(), (ShortDate{2026, 6, 21}));
    ASSERT_EQ(read->GetPaymentCount(), 1);
    EXPECT_EQ(read->GetPayment(0)->GetShekels(), 5000);
}

TEST(ExpenseEdits, InPlaceAmountsHaveTheDialogsLimits)
{
    CViewTestEvent event;
    ASSERT_TRUE(event.Doc().SaveEvent());
    CExpence* expense = event.Doc().Expenses().front();
    CExpenseEdits edits(event.Doc());
    for (const char* text : {"12a", "-5", "1000001", "99999999999", "1 2"})
        EXPECT_FALSE(edits.SetAmount(*expense, CExpenseEdits::Currency::Shekels, text)) << text;
    EXPECT_FALSE(edits.SetAmount(*expense, CExpenseEdits::Currency::Dollars, "100001"));
    EXPECT_FALSE(event.Doc().IsModified());
    EXPECT_TRUE(edits.SetAmount(*expense, CExpenseEdits::Currency::Shekels, "1000000"));
    EXPECT_TRUE(edits.SetAmount(*expense, CExpenseEdits::Currency::Dollars, "100000"));
    EXPECT_EQ(expense->GetShekels(), 1000000);
    EXPECT_EQ(expense->GetDollars(), 100000);
    EXPECT_TRUE(edits.SetAmount(*expense, CExpenseEdits::Currency::Dollars, ""));
    EXPECT_EQ(expense->GetDollars(), 0);
}

TEST(ExpenseEdits, ExpensesWithSeveralPaymentsOrCommentLinesAreEditedInTheDialogOnly)
{
    CViewTestEvent event;
    CExpence* expense = AddExpense(event.Doc(), "Band", {Payment(100, 0, false), Payment(200, 0, false)});
    CExpenseEdits edits(event.Doc());
    EXPECT_FALSE(edits.MayEditPayment(*expense));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text,
              QString("להוצאה זו יש מספר תשלומים.\r\nניתן לעדכן אותם רק דרך \"עריכת הוצאה\""));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, kOnlyInDialog);
    EXPECT_FALSE(edits.SetAmount(*expense, CExpenseEdits::Currency::Shekels, "5"));
    EXPECT_FALSE(edits.SetDate(*expense, ShortDate{2026, 1, 1}));
    EXPECT_EQ(expense->GetShekels(), 300);

    ASSERT_TRUE(edits.Edit(*expense, CPaymentPlan::FromExpense(*expense), "", "Band", "first\r\nsecond"));
    EXPECT_FALSE(edits.MayEditComments(*expense));
    ASSERT_EQ(event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(event.Messages().ShownMessages()[1].text,
              QString("להוצאה זו יש מספר שורות הערה.\r\nניתן לעדכן אותם רק דרך \"עריכת הוצאה\""));
    EXPECT_EQ(event.Messages().ShownMessages()[1].caption, kOnlyInDialog);
    EXPECT_FALSE(edits.SetComments(*expense, "one line"));
    EXPECT_EQ(expense->GetInfo(), "first\r\nsecond");
}

TEST(PaymentPlan, TheDialogKeepsEveryStoredPayment)
{
    CViewTestEvent event;
    CExpence* expense = event.Doc().Expenses().front();
    for (int n = 0; n < 12; ++n) {
        CPayment& payment = expense->AddPayment();
        payment.SetShekels(n + 1);
    }
    const CPaymentPlan plan = CPaymentPlan::FromExpense(*expense);
    EXPECT_EQ(plan.UsedCount(), 12);
    EXPECT_EQ(plan.RowCount(), 12);
    EXPECT_EQ(plan.SumShekels(), 78);
    CExpenseEdits(event.Doc()).Edit(*expense, plan, expense->GetPayer(), expense->GetName(), expense->GetInfo());
    ASSERT_EQ(expense->GetPaymentCount(), 12);
    EXPECT_EQ(expense->GetPayment(11)->GetShekels(), 12);
    EXPECT_EQ(expense->GetShekels(), 78);
}

TEST(PaymentPlan, DeletingTheOnlyPaymentLeavesAnEmptyOneAndUsedRowsStayTogether)
{
    CPaymentPlan plan;
    plan.Add(Payment(100, 0, true, ShortDate{2026, 1, 2}));
    ASSERT_TRUE(plan.Delete(0));
    ASSERT_EQ(plan.UsedCount(), 1);
    EXPECT_EQ(*plan.At(0), CPaymentPlan::Row());

    CViewTestEvent event;
    CExpence* expense = event.Doc().Expenses().front();
    CExpenseEdits(event.Doc()).Edit(*expense, plan, "", expense->GetName(), "");
    EXPECT_EQ(expense->GetPaid(), CPayment::Unpaid);
    EXPECT_EQ(expense->GetDate().ToText(), "0.0.00");
    EXPECT_EQ(expense->GetPaymentCount(), 1);

    plan.Add(Payment(1, 0, false));
    plan.Add(Payment(2, 0, true));
    plan.Add(Payment(3, 0, false));
    ASSERT_TRUE(plan.Delete(1));
    ASSERT_EQ(plan.UsedCount(), 3);
    EXPECT_EQ(plan.At(1)->shekels, 2);
    EXPECT_EQ(plan.At(2)->shekels, 3);
    EXPECT_EQ(plan.PaidState(), CPayment::PartlyPaid);
    for (int n = plan.UsedCount(); n < CPaymentPlan::kRows; ++n)
        EXPECT_GE(plan.Add(Payment(1, 1, true)), 0);
    EXPECT_EQ(plan.Add(Payment(1, 1, true)), -1);
}

TEST(ExpenseEdits, FullyPaidMarksTheEventModifiedAndTellsTheViews)
{
    CViewTestEvent event;
    CExpence* expense = AddExpense(event.Doc(), "Dress", {Payment(100, 0, false), Payment(200, 0, true)});
    ASSERT_TRUE(event.Doc().SaveEvent());
    ASSERT_FALSE(event.Doc().IsModified());
    CHintLog hints(event.Doc());
    ASSERT_TRUE(CExpenseEdits(event.Doc()).SetFullyPaid(*expense));
    EXPECT_TRUE(event.Doc().IsModified());
    EXPECT_EQ(hints.Count(HINT_EXPENSE_CHANGED), 1);
    EXPECT_TRUE(expense->GetPayment(0)->IsPaid());
    ASSERT_TRUE(event.Doc().SaveEvent());
    event.Reopen();
    EXPECT_EQ(event.Doc().Expenses().back()->GetPaid(), CPayment::Paid);
}

TEST(ExpenseEdits, DeleteAsksAndNoKeepsTheExpense)
{
    CViewTestEvent event;
    const qsizetype count = event.Doc().Expenses().size();
    CExpence* first = event.Doc().Expenses().front();
    event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});
    CExpenseEdits edits(event.Doc());
    EXPECT_FALSE(edits.Delete(*first));
    EXPECT_EQ(event.Doc().Expenses().size(), count);
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, QString("האם את/ה בטוח/ה שברצונך למחוק הוצאה זו?"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QString("מחיקה?"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_TRUE(edits.Delete(*first));
    EXPECT_EQ(event.Doc().Expenses().size(), count - 1);
    EXPECT_TRUE(event.Doc().IsModified());
}

TEST(ExpenseEdits, SortingByDateOrdersTheEventsListSoUpAndDownMoveWhatIsSeen)
{
    CViewTestEvent event;
    ClearExpenses(event.Doc());
    CExpence* late = AddExpense(event.Doc(), "Late", {Payment(1, 0, false, ShortDate{2026, 5, 1})});
    CExpence* early = AddExpense(event.Doc(), "Early", {Payment(1, 0, false, ShortDate{2025, 12, 31})});
    CExpence* middle = AddExpense(event.Doc(), "Middle", {Payment(1, 0, false, ShortDate{2026, 1, 15})});
    CExpenseEdits edits(event.Doc());
    edits.SortByDate(true);
    EXPECT_EQ(event.Doc().Expenses(), (QList<CExpence*>{early, middle, late}));
    edits.SortByDate(false);
    EXPECT_EQ(event.Doc().Expenses(), (QList<CExpence*>{late, middle, early}));
    ASSERT_TRUE(edits.Move(0, 1));
    EXPECT_EQ(event.Doc().Expenses(), (QList<CExpence*>{middle, late, early}));
    EXPECT_FALSE(edits.Move(0, -1));
    EXPECT_FALSE(edits.Move(2, 1));
}

TEST(ExpenseEdits, TheDollarRateIsRoundedToTwoDecimalsAndHeldToItsRange)
{
    CViewTestEvent event;
    CHintLog hints(event.Doc());
    CExpenseEdits edits(event.Doc());
    ASSERT_TRUE(edits.SetDollarRate(3.456));
    EXPECT_DOUBLE_EQ(event.Doc().Settings().GetDolarToShekel(), 3.46);
    EXPECT_EQ(hints.Count(HINT_DOLLAR_RATE_CHANGED), 1);
    EXPECT_FALSE(edits.SetDollarRate(100.01));
    EXPECT_FALSE(edits.SetDollarRate(-1));
    EXPECT_DOUBLE_EQ(event.Doc().Settings().GetDolarToShekel(), 3.46);
    event.Reopen();
    EXPECT_DOUBLE_EQ(event.Doc().Settings().GetDolarToShekel(), 3.46);
}

TEST(ShortDate, ADateInTheOtherInterfacesOrderIsReadInThatOrder)
{
    CViewTestEvent hebrew;
    CExpence* expense = AddExpense(hebrew.Doc(), "Rings", {Payment(1, 0, false, ShortDate{2026, 4, 25})});
    EXPECT_EQ(expense->GetDate().ToText(), "25.04.2026");
    ASSERT_TRUE(hebrew.Doc().SaveEvent());

    Language::Set(UiLanguage::English);
    EXPECT_EQ(ShortDate::FromText("25.04.2026"), (ShortDate{2026, 4, 25}));
    EXPECT_EQ(ShortDate::FromText("04.25.2026"), (ShortDate{2026, 4, 25}));
    EXPECT_EQ(ShortDate::FromText("0.0.00"), ShortDate());
    hebrew.Reopen();
    EXPECT_EQ(hebrew.Doc().Expenses().back()->GetPayment(0)->GetDate(), (ShortDate{2026, 4, 25}));
    Language::Set(UiLanguage::Hebrew);
    EXPECT_EQ(ShortDate::FromText("04.25.2026"), (ShortDate{2026, 4, 25}));
}
