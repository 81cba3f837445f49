#include "guests/ui/GroupGuestsModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"

CGroupGuestsModel::CGroupGuestsModel(CNewZelDoc& document, QObject* parent)
    : CRecordRowsModel({QStringLiteral("אושר"), QStringLiteral("שמות המוזמנים"), QStringLiteral("שיכות"), QStringLiteral("קבוצה")},
                       parent)
    , m_document(document)
{
}

void CGroupGuestsModel::SetGroup(const QString& name)
{
    QList<CGuest*> guests;
    for (CGuest* guest : m_document.Guests())
        if (guest->GetGroupName() == name)
            guests.append(guest);
    SetRows(guests);
}

QVariant CGroupGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = At(index.row());
    if (!guest)
        return {};
    if (role == Qt::CheckStateRole && index.column() == ColApproved)
        return guest->IsApproved() ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole)
        return Alignment();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColNames:
        return guest->GetName();
    case ColRelation:
        return guest->GetRelation();
    case ColGroup:
        return guest->GetGroupName();
    default:
        return {};
    }
}

Qt::ItemFlags CGroupGuestsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = CRecordRowsModel::flags(index);
    if (index.column() == ColApproved)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CGroupGuestsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !At(index.row()))
        return false;
    emit ApprovalClicked(index.row(), value.toInt() == Qt::Checked);
    return false;
}
