#include "seating/ui/ArrivalGuestsModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"

CArrivalGuestsModel::CArrivalGuestsModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CArrivalGuestsModel::Refill(const QString& name, const QString& family, bool onlyNotArrived)
{
    beginResetModel();
    m_guests.clear();
    for (CGuest* guest : m_document.Guests()) {
        if (onlyNotArrived && guest->GetArrived())
            continue;
        if (guest->GetName().contains(name) && guest->GetFamilyName().contains(family))
            m_guests.append(guest);
    }
    endResetModel();
}

void CArrivalGuestsModel::Clear()
{
    beginResetModel();
    m_guests.clear();
    endResetModel();
}

CGuest* CArrivalGuestsModel::GuestAt(int row) const
{
    return row >= 0 && row < m_guests.size() ? m_guests[row] : nullptr;
}

int CArrivalGuestsModel::RowOf(const CGuest* guest) const
{
    return int(m_guests.indexOf(guest));
}

void CArrivalGuestsModel::RemoveRow(int row)
{
    if (row < 0 || row >= m_guests.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_guests.removeAt(row);
    endRemoveRows();
}

void CArrivalGuestsModel::RefreshGuest(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int CArrivalGuestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_guests.size());
}

int CArrivalGuestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CArrivalGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!guest)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColName:
        return guest->GetName();
    case ColFamily:
        return guest->GetFamilyName();
    case ColCount:
        return QString::number(guest->GetComing());
    case ColTable: {
        const QList<CTable*>& tables = m_document.Tables();
        const int number = guest->GetTableIndex();
        return QString::number(number > 0 && number < tables.size() ? tables[number]->GetHallNumber() : 0);
    }
    default:
        return {};
    }
}

QVariant CArrivalGuestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[ColumnCount] = {"שם פרטי", "שם משפחה", "כמות", "מס שולחן"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QString();
}
