#pragma once

#include <QList>
#include <QString>

// The mobile carriers a message can go to, chosen by the number's prefix, and their length
// limits. One rule decides whether a number can get a message: the recipients filter and the
// send use it both.
namespace SmsCarriers {

struct Carrier
{
    QString prefix;
    QString name;
    int hebrewLimit;
    int latinLimit;
};

const QList<Carrier>& Table();
// The carrier of a number by its prefix, or null.
const Carrier* Find(const QString& mobile);
// A carrier's prefix, then 10 or 11 characters in all, digits and dashes only.
bool IsValidMobile(const QString& mobile);
// A text has Hebrew when it holds a character past ASCII; Latin when it holds an ASCII one.
bool HasHebrew(const QString& text);
bool HasLatin(const QString& text);
// How long a text may be for a number: the Hebrew limit when the text has Hebrew, else the
// Latin one; 0 for a number of no carrier.
int Limit(const QString& mobile, const QString& text);

}
