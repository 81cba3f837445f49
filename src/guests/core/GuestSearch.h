#pragma once

#include <QList>
#include <QString>

class CGuest;

// Finding a guest of the list by its first names, from the last row found on, wrapping around.
namespace GuestSearch {

// Whether the row's first names contain the text or the text contains the (non-empty) first names.
bool Matches(const CGuest& guest, const QString& text);
// The row found, or -1. Down searches from the row after lastFound to the end, then from the top
// up to lastFound; up searches back from the row before it, then from the bottom.
int Find(const QList<CGuest*>& rows, const QString& text, int lastFound, bool down);

}
