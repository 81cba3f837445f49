#include "guests/core/GroupEdits.h"

#include "guests/core/GuestEdits.h"

#include "seating/core/TableEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

namespace {

const QString kNewGroupName = QStringLiteral("קבוצה חדשה");
const QString kGroupExists = QStringLiteral("קבוצה כבר קימת");
const QString kNameTaken = QStringLiteral("קבוצה '%s' כבר קיימת");
const QString kNotEmpty = QStringLiteral("לא ניתן למחוק קבוצה בה יש מוזמנים\r\n רוקנו את הקבוצה ממוזמנים ונסו שנית.");
const QString kNotEmptyCaption = QStringLiteral("קבוצה לא ריקה");

}

CGroupEdits::CGroupEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

QString CGroupEdits::ProposedName(const CNewZelDoc& document)
{
    QString name = kNewGroupName;
    for (int n = 1; document.FindGroupByName(name); ++n)
        name = kNewGroupName + QLatin1Char(' ') + QString::number(n);
    return name;
}

CGroup* CGroupEdits::Add(const QString& name)
{
    if (m_document.FindGroupByName(name))
        return nullptr;
    return m_document.AddGroup(name, m_sender);
}

CGroup* CGroupEdits::AddWithTable(const QString& name, bool withTable)
{
    CGroup* group = Add(name);
    if (!group) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageByText(kGroupExists, kGroupExists, MSG_OK);
        return nullptr;
    }
    if (withTable)
        CTableEdits(m_document, m_sender).Create(name);
    return group;
}

bool CGroupEdits::Rename(CGroup& group, const QString& name)
{
    const QString old = group.GetName();
    if (name.isEmpty() || name == old)
        return false;
    if (m_document.FindGroupByName(name)) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageByText(StringTable::Fill(kNameTaken, {name}), kGroupExists, MSG_OK);
        return false;
    }
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

bool CGroupEdits::Delete(CGroup& group)
{
    if (m_document.IsGroupUsed(group.GetName())) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageByText(kNotEmpty, kNotEmptyCaption, MSG_OK);
        return false;
    }
    if (!m_document.EditRecords().groups.removeOne(&group))
        return false;
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_GROUPS_CHANGED, nullptr);
    delete &group;
    return true;
}

bool CGroupEdits::MoveGuest(CGuest& guest, const CGroup& group)
{
    return CGuestEdits(m_document, m_sender).SetGroup(guest, group.GetName());
}

bool CGroupEdits::MoveGuest(int uniqueId, const CGroup& group)
{
    for (CGuest* guest : m_document.Guests())
        if (guest->GetUniqueId() == uniqueId)
            return MoveGuest(*guest, group);
    return false;
}
