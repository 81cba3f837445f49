#pragma once

#include <QString>

class CGroup;
class CGuest;
class CNewZelDoc;
class QObject;

// Every edit of the groups: each marks the event modified and tells the views (hint 4 for a new
// group, 3 when names changed, 7 for a guest that moved).
class CGroupEdits
{
public:
    explicit CGroupEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // A new group at the end of the list; null when a group of that name exists already.
    CGroup* Add(const QString& name);
    // Renames the group and moves its guests along; false when the name is empty or taken.
    bool Rename(CGroup& group, const QString& name);
    // Exchanges the names of two groups; the guests keep the names they had.
    void Swap(CGroup& first, CGroup& second);
    bool MoveGuest(CGuest& guest, const CGroup& group);

private:
    CNewZelDoc& m_document;
    QObject* m_sender;
};
