#pragma once

#include "controls/RecordRowsModel.h"

class CArrivalEdits;
class CNewZelDoc;
class CTable;

// The real tables with the seats left by arrivals: hall number, name, free seats. Only the tables
// with seats left, when asked.
class CArrivalTablesModel : public CRecordRowsModel<CTable>
{
    Q_OBJECT

public:
    enum Column { ColHall, ColName, ColFree, ColumnCount };

    CArrivalTablesModel(CNewZelDoc& document, const CArrivalEdits& rules, QObject* parent = nullptr);

    void Refill(bool onlyWithSeats);
    int RowOfTable(int number) const;

    QVariant data(const QModelIndex& index, int role) const override;

private:
    CNewZelDoc& m_document;
    const CArrivalEdits& m_rules;
};
