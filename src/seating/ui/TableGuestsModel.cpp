#include "seating/ui/TableGuestsModel.h"

#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"

#include <QBrush>
#include <QColor>

CTableGuestsModel::CTableGuestsModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CTableGuestsModel::SetTable(int number)
{
    beginResetModel();
    m_table = number;
    m_guests = number >= 0 ? m_document.GuestsAtTable(number) : QList<CGuest*>();
    endResetModel();
}

void CTableGuestsModel::Clear()
{
    SetTable(-1);
}

CGuest* CTableGuestsModel::GuestAt(int row) const
{
    return row >= 0 && row < m_guests.size() ? m_guests[row] : nullptr;
}

int CTableGuestsModel::RowOf(const CGuest* guest) const
{
    return int(m_guests.indexOf(guest));
}

void CTableGuestsModel::RefreshGuest(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int CTableGuestsModel::ColourCodeOf(const CGuest& guest)
{
    if (guest.IsApproved())
        return ColourApproved;
    return guest.IsNotComing() ? ColourNotComing : ColourUnknown;
}

int CTableGuestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_guests.size());
}

int CTableGuestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CTableGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!guest)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == ColName ? guest->GetFullName() : guest->GetGroupName();
    case Qt::CheckStateRole:
        if (index.column() == ColName)
            return guest->IsApproved() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        switch (ColourCodeOf(*guest)) {
        case ColourNotComing:
            return QBrush(QColor(0x99, 0x99, 0x99));
        case ColourUnknown:
            return QBrush(QColor(0x1F, 0x3F, 0x8F));
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CTableGuestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == ColName ? QStringLiteral("שמות המוזמנים") : QStringLiteral("שם הקבוצה");
}
