#pragma once

#include <QAbstractTableModel>
#include <QList>

// The base of a list whose rows are the records of one of the document's lists, in its order: the
// row count is taken when the list is refilled, each cell is read from the record when drawn.
class CDocumentListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CDocumentListModel(int columns, QObject* parent = nullptr);

    // Takes the document's list again: every row is rewritten.
    void Refill();
    void Clear();
    void RefreshRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The view wrote the value into the record already: the row is read again.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

protected:
    virtual int RecordCount() const = 0;
    int Rows() const { return m_rows; }
    // The record of a row the list shows, or null.
    template <typename T>
    T* At(const QList<T*>& records, int row) const
    {
        return row >= 0 && row < m_rows && row < records.size() ? records[row] : nullptr;
    }
    // The row that shows the record, or -1.
    template <typename T>
    int RowIn(const QList<T*>& records, const T* record) const
    {
        const int row = record ? int(records.indexOf(const_cast<T*>(record))) : -1;
        return row < m_rows ? row : -1;
    }

private:
    int m_columns;
    int m_rows = 0;
};
