#include "guests/core/GuestEdits.h"

#include "guests/core/GuestDetailsRules.h"
#include "guests/core/MultiGuestUpdate.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

namespace {
const QString kDeleteQuestion = QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק את '%s' ?");
const QString kDeleteCaption = QStringLiteral("מחיקת מוזמן?");
}

CGuestEdits::CGuestEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

bool CGuestEdits::Changed(CGuest& guest, bool changed)
{
    if (!changed)
        return false;
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_GUEST_CHANGED, &guest);
    return true;
}

CGuest* CGuestEdits::Add(const QString& name, const QString& familyName, const QString& group,
                         const QString& relation, int status)
{
    // The fields are set before any view hears of the guest, so it never shows half made.
    return m_document.AddGuest(name, familyName, m_sender, [&](CGuest& guest) {
        guest.SetGroupName(group);
        guest.SetRelation(relation);
        guest.SetStatus(status);
    });
}

bool CGuestEdits::Delete(CGuest& guest)
{
    IUserMessages* messages = m_document.Messages();
    if (!messages ||
        messages->MessageByText(StringTable::Fill(kDeleteQuestion, {guest.GetName()}), kDeleteCaption, MSG_YES_NO) !=
            MSG_RESULT_YES)
        return false;
    m_document.DeleteGuest(guest, m_sender);
    return true;
}

bool CGuestEdits::SetInvited(CGuest& guest, int invited)
{
    return Changed(guest, GuestDetailsRules::SetInvited(guest, invited));
}

bool CGuestEdits::SetComing(CGuest& guest, int coming)
{
    return Changed(guest, GuestDetailsRules::SetComing(guest, coming));
}

bool CGuestEdits::SetStatus(CGuest& guest, int status)
{
    bool changed = status == 2 && guest.SetComing(0);
    changed = guest.SetStatus(status) || changed;
    return Changed(guest, changed);
}

bool CGuestEdits::ToggleApproval(CGuest& guest)
{
    return Changed(guest, guest.SetStatus(guest.IsApproved() ? 0 : 1));
}

bool CGuestEdits::SetGroup(CGuest& guest, const QString& group)
{
    return Changed(guest, guest.SetGroupName(group));
}

bool CGuestEdits::SetNames(CGuest& guest, const QString& names, const QString& familyName)
{
    const bool first = guest.SetName(names);
    const bool family = guest.SetFamilyName(familyName);
    return Changed(guest, first || family);
}

bool CGuestEdits::SetRestrictions(CGuest& guest, const QStringList& names)
{
    return Changed(guest, GuestDetailsRules::SetRestrictions(m_document, guest, names));
}

int CGuestEdits::Apply(const CMultiGuestUpdate& update, const QList<CGuest*>& guests)
{
    const CNewZelDoc::CBatch batch(m_document);
    int changed = 0;
    for (CGuest* guest : guests)
        changed += Changed(*guest, update.Apply({guest}) > 0) ? 1 : 0;
    return changed;
}
