#include "seating/ui/ArrivalTablesModel.h"

#include "seating/core/ArrivalEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"

CArrivalTablesModel::CArrivalTablesModel(CNewZelDoc& document, const CArrivalEdits& rules, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_rules(rules)
{
}

void CArrivalTablesModel::Refill(bool onlyWithSeats)
{
    beginResetModel();
    m_tables.clear();
    const QList<CTable*>& tables = m_document.Tables();
    for (int number = 1; number < tables.size(); ++number)
        if (!onlyWithSeats || m_rules.FreeSeatsByArrival(*tables[number]) > 0)
            m_tables.append(tables[number]);
    endResetModel();
}

void CArrivalTablesModel::Clear()
{
    beginResetModel();
    m_tables.clear();
    endResetModel();
}

CTable* CArrivalTablesModel::TableAt(int row) const
{
    return row >= 0 && row < m_tables.size() ? m_tables[row] : nullptr;
}

int CArrivalTablesModel::RowOfTable(int number) const
{
    for (int row = 0; row < m_tables.size(); ++row)
        if (m_tables[row]->GetId() == number)
            return row;
    return -1;
}

int CArrivalTablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_tables.size());
}

int CArrivalTablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CArrivalTablesModel::data(const QModelIndex& index, int role) const
{
    const CTable* table = TableAt(index.row());
    if (!table)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColHall:
        return QString::number(table->GetHallNumber());
    case ColName:
        return table->GetName();
    case ColFree:
        return QString::number(m_rules.FreeSeatsByArrival(*table));
    default:
        return {};
    }
}

QVariant CArrivalTablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const captions[ColumnCount] = {"מס", "שם השולחן", "מקום פנוי"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QString();
}
