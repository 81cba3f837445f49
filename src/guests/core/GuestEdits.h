#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CGuest;
class CMultiGuestUpdate;
class CNewZelDoc;
class QObject;

// Every edit of a guest: each asks its questions through the document's message interface, marks
// the event modified and tells the views (hint 7 for a changed guest, 6 added, 15 deleted), naming
// the view that made it as the sender so that view can skip its own hint.
class CGuestEdits
{
public:
    explicit CGuestEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // A new guest with its group, relation and status in one step.
    CGuest* Add(const QString& name, const QString& familyName, const QString& group = QString(),
                const QString& relation = QString(), int status = 0);
    // Asks first; the guests that named it in their restrictions forget it.
    bool Delete(CGuest& guest);

    // Any change of plain fields: change(guest) returns whether anything changed.
    template <typename Change>
    bool Edit(CGuest& guest, Change change)
    {
        return Changed(guest, change(guest));
    }

    // The details page's rules: the coming count stays within the invited count, lowering the
    // invited count lowers it, raising it raises the invited count.
    bool SetInvited(CGuest& guest, int invited);
    bool SetComing(CGuest& guest, int coming);
    // "Will not come" (2) clears the coming count.
    bool SetStatus(CGuest& guest, int status);
    // Approved or back to unknown; un-approving never means "will not come".
    bool ToggleApproval(CGuest& guest);
    bool SetGroup(CGuest& guest, const QString& group);
    bool SetNames(CGuest& guest, const QString& names, const QString& familyName);
    // Replaces the restriction list and keeps it mutual.
    bool SetRestrictions(CGuest& guest, const QStringList& names);
    // Writes the multi-guest dialog's fields into every guest; the views hear one hint.
    int Apply(const CMultiGuestUpdate& update, const QList<CGuest*>& guests);

private:
    bool Changed(CGuest& guest, bool changed);

    CNewZelDoc& m_document;
    QObject* m_sender;
};
