#pragma once

#include <QString>

class CGroup;
class CGuest;
class CNewZelDoc;
class QObject;

// Every edit of the groups: each marks the event modified and tells the views (hint 4 for a new
// group, 3 when names changed, 2 for a deleted group, 7 for a guest that moved). The user is told
// through the document's message interface why an edit was refused.
class CGroupEdits
{
public:
    explicit CGroupEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // The name a new group is offered: "קבוצה חדשה", or with the first free number after it.
    static QString ProposedName(const CNewZelDoc& document);

    // A new group at the end of the list; null when a group of that name exists already.
    CGroup* Add(const QString& name);
    // Add as the user asks for it: a taken name is refused with a message, and the group may get a
    // table named after it at once.
    CGroup* AddWithTable(const QString& name, bool withTable);
    // Renames the group and moves its guests along; false when the name is empty or taken (the
    // user is told of a taken one).
    bool Rename(CGroup& group, const QString& name);
    // Only a group no guest carries may go; the user is told otherwise.
    bool Delete(CGroup& group);
    // Exchanges the names of two groups; the guests keep the names they had.
    void Swap(CGroup& first, CGroup& second);
    bool MoveGuest(CGuest& guest, const CGroup& group);
    // The guest is looked up by its unique id, so one deleted since it was marked is left alone.
    bool MoveGuest(int uniqueId, const CGroup& group);

private:
    CNewZelDoc& m_document;
    QObject* m_sender;
};
