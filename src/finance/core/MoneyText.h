#pragma once

#include <QString>

// How sums of money are written on the screens and by the command line, and how a typed amount is
// read.
namespace MoneyText {

// Limits of the amounts a user may type.
constexpr int kMaxExpenseShekels = 1000000;
constexpr int kMaxExpenseDollars = 100000;
constexpr int kMaxGift = 999999;

// A whole number, rounded.
QString Whole(double value);
// The dollar rate, as it is stored.
QString Rate(double rate);
// A sum with one or two decimals.
QString OneDecimal(double value);
QString TwoDecimals(double value);
// A typed amount: digits only, at most max; an empty text is 0. False for anything else.
bool ParseAmount(const QString& text, int max, int& amount);

}
