#include "finance/ui/DocumentListModel.h"

CDocumentListModel::CDocumentListModel(int columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
{
}

void CDocumentListModel::Refill()
{
    beginResetModel();
    m_rows = RecordCount();
    endResetModel();
}

void CDocumentListModel::Clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

void CDocumentListModel::RefreshRow(int row)
{
    if (row >= 0 && row < m_rows)
        emit dataChanged(index(row, 0), index(row, m_columns - 1));
}

int CDocumentListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CDocumentListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

bool CDocumentListModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_rows)
        return false;
    RefreshRow(index.row());
    return true;
}
