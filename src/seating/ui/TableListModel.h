#pragma once

#include <QAbstractTableModel>
#include <QList>

class CNewZelDoc;
class CTable;

// The rows of the tables list: one per table of the document, in its order, table 0 first. The
// people seated at each table are counted once per refill.
class CTableListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColName, ColHall, ColSeats, ColGuests, ColSpacer, ColumnCount };

    explicit CTableListModel(CNewZelDoc& document, QObject* parent = nullptr);

    // Counts anew and shows every row; the rows are only rebuilt when their number changed, so the
    // selection stays.
    void Refill();
    // Counts one table anew and rewrites its row.
    void RefreshTable(int number);
    void Clear();
    CTable* TableAt(int row) const;
    qint64 SeatedAt(int row) const;
    bool IsOverCapacity(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    QList<qint64> m_seated;
};
