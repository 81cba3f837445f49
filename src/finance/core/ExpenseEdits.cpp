#include "finance/core/ExpenseEdits.h"

#include "finance/core/MoneyText.h"
#include "finance/core/PaymentPlan.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Expence.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kDeleteQuestion = QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק הוצאה זו?");
const QString kDeleteCaption = QStringLiteral("מחיקה?");
const QString kOnlyInDialog = QStringLiteral("לא ניתן לשנות ערך זה מכאן!");
const QString kManyCommentLines =
    QStringLiteral("להוצאה זו יש מספר שורות הערה.\r\nניתן לעדכן אותם רק דרך \"עריכת הוצאה\"");
const QString kManyPayments = QStringLiteral("להוצאה זו יש מספר תשלומים.\r\nניתן לעדכן אותם רק דרך \"עריכת הוצאה\"");

}

CExpenseEdits::CExpenseEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

QString CExpenseEdits::NewExpenseName()
{
    return QStringLiteral("הוצאה חדשה");
}

bool CExpenseEdits::Changed(CExpence* expense, bool changed)
{
    if (!changed)
        return false;
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_EXPENSE_CHANGED, expense);
    return true;
}

bool CExpenseEdits::Fill(CExpence& expense, const CPaymentPlan& plan, const QString& payer, const QString& name,
                         const QString& comments)
{
    bool changed = plan.ApplyTo(expense);
    changed = expense.SetPayer(payer) || changed;
    changed = expense.SetName(name) || changed;
    changed = expense.SetInfo(comments) || changed;
    return changed;
}

CExpence* CExpenseEdits::Add(const CPaymentPlan& plan, const QString& payer, const QString& name,
                             const QString& comments)
{
    auto* added = new CExpence(&m_document.Counters());
    Fill(*added, plan, payer, name, comments);
    m_document.EditRecords().expenses.append(added);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_EXPENSE_ADDED, added);
    return added;
}

bool CExpenseEdits::Edit(CExpence& expense, const CPaymentPlan& plan, const QString& payer, const QString& name,
                         const QString& comments)
{
    return Changed(&expense, Fill(expense, plan, payer, name, comments));
}

bool CExpenseEdits::Delete(CExpence& expense)
{
    QList<CExpence*>& expenses = m_document.EditRecords().expenses;
    const qsizetype index = expenses.indexOf(&expense);
    IUserMessages* messages = m_document.Messages();
    if (index < 0 || !messages || messages->MessageByText(kDeleteQuestion, kDeleteCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    expenses.removeAt(index);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_EXPENSE_CHANGED, nullptr);
    delete &expense;
    return true;
}

bool CExpenseEdits::SetName(CExpence& expense, const QString& name)
{
    if (name.trimmed().isEmpty())
        return false;
    return Changed(&expense, expense.SetName(name));
}

bool CExpenseEdits::Refuse(const QString& text)
{
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(text, kOnlyInDialog, MSG_OK);
    return false;
}

bool CExpenseEdits::HasOneCommentLine(const CExpence& expense)
{
    return !expense.GetInfo().contains(u'\n') && !expense.GetInfo().contains(u'\r');
}

bool CExpenseEdits::MayEditComments(const CExpence& expense)
{
    return HasOneCommentLine(expense) || Refuse(kManyCommentLines);
}

bool CExpenseEdits::SetComments(CExpence& expense, const QString& comments)
{
    if (!HasOneCommentLine(expense))
        return false;
    return Changed(&expense, expense.SetInfo(comments));
}

bool CExpenseEdits::HasOnePaymentAtMost(const CExpence& expense)
{
    return expense.GetPaymentCount() < 2;
}

bool CExpenseEdits::MayEditPayment(const CExpence& expense)
{
    return HasOnePaymentAtMost(expense) || Refuse(kManyPayments);
}

void CExpenseEdits::EnsurePayment(CExpence& expense)
{
    if (expense.GetPaymentCount() > 0)
        return;
    CPayment& payment = expense.AddPayment();
    payment.SetShekels(expense.GetShekels());
    payment.SetDollars(expense.GetDollars());
    payment.SetPaid(expense.IsPaid() ? CPayment::Paid : CPayment::Unpaid);
    payment.SetDate(expense.GetDate());
    payment.SetInfo(QString());
}

bool CExpenseEdits::SetAmount(CExpence& expense, Currency currency, const QString& text)
{
    const bool shekels = currency == Currency::Shekels;
    int amount = 0;
    if (!HasOnePaymentAtMost(expense)
        || !MoneyText::ParseAmount(text, shekels ? MoneyText::kMaxExpenseShekels : MoneyText::kMaxExpenseDollars,
                                   amount))
        return false;
    if ((shekels ? expense.GetShekels() : expense.GetDollars()) == amount)
        return true;
    EnsurePayment(expense);
    Changed(&expense, shekels ? expense.SetShekels(amount) : expense.SetDollars(amount));
    return true;
}

bool CExpenseEdits::SetDate(CExpence& expense, const ShortDate& date)
{
    if (!HasOnePaymentAtMost(expense))
        return false;
    if (expense.GetDate() == date)
        return true;
    EnsurePayment(expense);
    return Changed(&expense, expense.SetDate(date));
}

bool CExpenseEdits::SetFullyPaid(CExpence& expense)
{
    return Changed(&expense, expense.SetPaid(CPayment::Paid));
}

bool CExpenseEdits::Move(int index, int step)
{
    QList<CExpence*>& expenses = m_document.EditRecords().expenses;
    const int other = index + step;
    if (index < 0 || index >= expenses.size() || other < 0 || other >= expenses.size() || step == 0)
        return false;
    expenses.swapItemsAt(index, other);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_EXPENSE_CHANGED, nullptr);
    return true;
}

void CExpenseEdits::SortByDate(bool ascending)
{
    QList<CExpence*>& expenses = m_document.EditRecords().expenses;
    const QList<CExpence*> before = expenses;
    std::stable_sort(expenses.begin(), expenses.end(), [ascending](const CExpence* a, const CExpence* b) {
        return ascending ? a->GetDate() < b->GetDate() : b->GetDate() < a->GetDate();
    });
    if (expenses == before)
        return;
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_EXPENSE_CHANGED, nullptr);
}

bool CExpenseEdits::SetDollarRate(double rate)
{
    if (!(rate >= 0.0 && rate <= 100.0))
        return false;
    m_document.Settings().SetDolarToShekel(std::round(rate * 100.0) / 100.0);
    m_document.UpdateAllViews(m_sender, HINT_DOLLAR_RATE_CHANGED, nullptr);
    return true;
}
