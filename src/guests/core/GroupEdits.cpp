#include "guests/core/GroupEdits.h"

#include "guests/core/GuestEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Group.h"

CGroupEdits::CGroupEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

CGroup* CGroupEdits::Add(const QString& name)
{
    if (m_document.FindGroupByName(name))
        return nullptr;
    return m_document.AddGroup(name, m_sender);
}

bool CGroupEdits::Rename(CGroup& group, const QString& name)
{
    const QString old = group.GetName();
    if (name.isEmpty() || name == old || m_document.FindGroupByName(name))
        return false;
    const CNewZelDoc::CBatch batch(m_document);
    group.SetName(name);
    m_document.RenameGroupInGuests(old, name);
    m_document.UpdateAllViews(m_sender, HINT_GROUPS_RENAMED, &group);
    return true;
}

void CGroupEdits::Swap(CGroup& first, CGroup& second)
{
    if (&first == &second)
        return;
    m_document.SwapGroupNames(first, second);
    m_document.UpdateAllViews(m_sender, HINT_GROUPS_CHANGED, nullptr);
}

bool CGroupEdits::MoveGuest(CGuest& guest, const CGroup& group)
{
    return CGuestEdits(m_document, m_sender).SetGroup(guest, group.GetName());
}
