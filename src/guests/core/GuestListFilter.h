#pragma once

#include <QList>
#include <QString>

class CGuest;

// The filters of the guest list: a group and a relation (exact), the beginning of the first names
// and of the family name, and a status. Empty texts and status 0 filter nothing.
class CGuestListFilter
{
public:
    enum StatusIndex { AnyStatus = 0, Approved = 1, NotComing = 2, Unknown = 3 };

    bool Matches(const CGuest& guest) const;
    // The guests that pass, in the order given.
    QList<CGuest*> Apply(const QList<CGuest*>& guests) const;
    bool IsEmpty() const;
    void Reset();

    QString group;
    QString relation;
    QString firstNames;
    QString familyName;
    int status = AnyStatus;
};
