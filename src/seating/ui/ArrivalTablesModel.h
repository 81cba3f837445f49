#pragma once

#include <QAbstractTableModel>

class CArrivalEdits;
class CNewZelDoc;
class CTable;

// The real tables with the seats left by arrivals: hall number, name, free seats. Only the tables
// with seats left, when asked.
class CArrivalTablesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColHall, ColName, ColFree, ColumnCount };

    CArrivalTablesModel(CNewZelDoc& document, const CArrivalEdits& rules, QObject* parent = nullptr);

    void Refill(bool onlyWithSeats);
    void Clear();
    CTable* TableAt(int row) const;
    int RowOfTable(int number) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    const CArrivalEdits& m_rules;
    QList<CTable*> m_tables;
};
