#include "guests/ui/GroupGuestsModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"

CGroupGuestsModel::CGroupGuestsModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CGroupGuestsModel::SetGroup(const QString& name)
{
    beginResetModel();
    m_guests.clear();
    for (CGuest* guest : m_document.Guests())
        if (guest->GetGroupName() == name)
            m_guests.append(guest);
    endResetModel();
}

void CGroupGuestsModel::Clear()
{
    beginResetModel();
    m_guests.clear();
    endResetModel();
}

CGuest* CGroupGuestsModel::GuestAt(int row) const
{
    return row >= 0 && row < m_guests.size() ? m_guests[row] : nullptr;
}

int CGroupGuestsModel::RowOf(const CGuest* guest) const
{
    return int(m_guests.indexOf(guest));
}

void CGroupGuestsModel::RefreshAll()
{
    if (!m_guests.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_guests.size()) - 1, ColumnCount - 1));
}

int CGroupGuestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_guests.size());
}

int CGroupGuestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGroupGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!guest)
        return {};
    if (role == Qt::CheckStateRole && index.column() == ColApproved)
        return guest->IsApproved() ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
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

QVariant CGroupGuestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[ColumnCount] = {"אושר", "שמות המוזמנים", "שיכות", "קבוצה"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QString();
}

Qt::ItemFlags CGroupGuestsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == ColApproved)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CGroupGuestsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !GuestAt(index.row()))
        return false;
    emit ApprovalClicked(index.row(), value.toInt() == Qt::Checked);
    return false;
}
