#pragma once

#include <QList>
#include <QString>

class CGuest;

// Sorting the guest list by a column. The order is that of a bubble sort over adjacent rows that
// swaps only keys strictly out of order, i.e. a stable sort: equal keys keep their order.
namespace GuestSort {

enum class Key { Group, FirstNames, FamilyName, Relation, Status, InvitationSent };

// The text compared: the column's text, or "1"/"0" for approved and for invitation sent.
QString KeyText(const CGuest& guest, Key key);
// Keys compare as texts, code unit by code unit.
void Sort(QList<CGuest*>& rows, Key key, bool ascending);

}
