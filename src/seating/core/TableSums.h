#pragma once

#include <QList>

class CGuest;

// The people coming to every table, counted in one walk over the guests (a list refill would
// otherwise walk the guests once per table).
namespace TableSums {

// Index k holds the sum of the coming counts of the guests at table k; guests whose table number
// lies outside 0 .. tableCount - 1 are not counted.
QList<qint64> Coming(const QList<CGuest*>& guests, int tableCount);

}
