#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A list whose rows are records of the document, in an order the owner gives, under fixed column
// captions. What a row shows is the derived model's data().
template <typename Record>
class CRecordRowsModel : public QAbstractTableModel
{
public:
    explicit CRecordRowsModel(const QStringList& captions, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , m_captions(captions)
    {
    }

    void SetRows(const QList<Record*>& rows)
    {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    // Forgets every row, while the records go away with a reload.
    void Clear() { SetRows({}); }
    const QList<Record*>& Rows() const { return m_rows; }
    Record* At(int row) const { return row >= 0 && row < m_rows.size() ? m_rows[row] : nullptr; }
    int RowOf(const Record* record) const { return int(m_rows.indexOf(record)); }
    void RemoveRow(int row)
    {
        if (row < 0 || row >= m_rows.size())
            return;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }
    void RefreshAll()
    {
        if (!m_rows.isEmpty())
            emit this->dataChanged(this->index(0, 0), this->index(int(m_rows.size()) - 1, int(m_captions.size()) - 1));
    }
    void Refresh(const Record* record)
    {
        const int row = RowOf(record);
        if (row >= 0)
            emit this->dataChanged(this->index(row, 0), this->index(row, int(m_captions.size()) - 1));
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_captions.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_captions.size())
            return QAbstractTableModel::headerData(section, orientation, role);
        return m_captions[section];
    }

protected:
    // The texts of every row read from the start of the line, in either direction.
    static QVariant Alignment() { return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter); }

private:
    QStringList m_captions;
    QList<Record*> m_rows;
};
