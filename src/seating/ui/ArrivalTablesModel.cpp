#include "seating/ui/ArrivalTablesModel.h"

#include "seating/core/ArrivalEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"

CArrivalTablesModel::CArrivalTablesModel(CNewZelDoc& document, const CArrivalEdits& rules, QObject* parent)
    : CRecordRowsModel({QStringLiteral("מס"), QStringLiteral("שם השולחן"), QStringLiteral("מקום פנוי")}, parent)
    , m_document(document)
    , m_rules(rules)
{
}

void CArrivalTablesModel::Refill(bool onlyWithSeats)
{
    QList<CTable*> shown;
    const QList<CTable*>& tables = m_document.Tables();
    for (int number = 1; number < tables.size(); ++number)
        if (!onlyWithSeats || m_rules.FreeSeatsByArrival(*tables[number]) > 0)
            shown.append(tables[number]);
    SetRows(shown);
}

int CArrivalTablesModel::RowOfTable(int number) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (At(row)->GetId() == number)
            return row;
    return -1;
}

QVariant CArrivalTablesModel::data(const QModelIndex& index, int role) const
{
    const CTable* table = At(index.row());
    if (!table)
        return {};
    if (role == Qt::TextAlignmentRole)
        return Alignment();
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
