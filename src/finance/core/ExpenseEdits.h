#pragma once

#include <QString>

class CExpence;
class CNewZelDoc;
class CPaymentPlan;
class QObject;
struct ShortDate;

// Every edit of the expenses and of the dollar rate: each asks its questions through the
// document's message interface, marks the event modified and tells the views (hint 20 for an added
// expense, 19 for a changed one or a changed order, 9 for the rate). The expenses view and the
// command line go through these.
class CExpenseEdits
{
public:
    enum class Currency { Shekels, Dollars };

    explicit CExpenseEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // The name of an expense the user is about to add.
    static QString NewExpenseName();
    // A new expense at the end of the list, from the expense dialog's values.
    CExpence* Add(const CPaymentPlan& plan, const QString& payer, const QString& name, const QString& comments);
    // The expense dialog's OK: its payments, who pays, description and comments.
    bool Edit(CExpence& expense, const CPaymentPlan& plan, const QString& payer, const QString& name,
              const QString& comments);
    // Asks first.
    bool Delete(CExpence& expense);

    // The in-place edits. An empty description is ignored.
    bool SetName(CExpence& expense, const QString& name);
    // Comments of several lines are edited in the dialog only: the user is told why.
    bool MayEditComments(const CExpence& expense);
    bool SetComments(CExpence& expense, const QString& comments);
    // Amounts and the date of an expense with two payments or more are edited in the dialog only:
    // the user is told why. The date cell opens the dialog instead, so it asks quietly.
    bool MayEditPayment(const CExpence& expense);
    static bool HasOnePaymentAtMost(const CExpence& expense);
    // A whole number within the dialog's limits; false (nothing changes) for any other text.
    bool SetAmount(CExpence& expense, Currency currency, const QString& text);
    bool SetDate(CExpence& expense, const ShortDate& date);
    bool SetFullyPaid(CExpence& expense);

    // Exchanges the expense at index with its neighbour (step -1 up, 1 down).
    bool Move(int index, int step);
    // Orders the document's expenses by date, year then month then day; equal dates keep their order.
    void SortByDate(bool ascending);

    // Rounded to two decimals, as it is stored; false outside 0 .. 100.
    bool SetDollarRate(double rate);

private:
    bool Changed(CExpence* expense, bool changed);
    static bool HasOneCommentLine(const CExpence& expense);
    bool Refuse(const QString& text);
    static bool Fill(CExpence& expense, const CPaymentPlan& plan, const QString& payer, const QString& name,
                     const QString& comments);
    // An expense without payments gets one holding its own values, so that an in-place amount or
    // date is kept by the payments as the dialog shows them.
    static void EnsurePayment(CExpence& expense);

    CNewZelDoc& m_document;
    QObject* m_sender;
};
