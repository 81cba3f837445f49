#include "guests/ui/GroupListModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"

CGroupListModel::CGroupListModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CGroupListModel::Refill()
{
    beginResetModel();
    m_groups = m_document.Groups();
    endResetModel();
}

void CGroupListModel::Clear()
{
    beginResetModel();
    m_groups.clear();
    endResetModel();
}

CGroup* CGroupListModel::GroupAt(int row) const
{
    return row >= 0 && row < m_groups.size() ? m_groups[row] : nullptr;
}

int CGroupListModel::RowOf(const CGroup* group) const
{
    return int(m_groups.indexOf(group));
}

int CGroupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_groups.size());
}

int CGroupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGroupListModel::data(const QModelIndex& index, int role) const
{
    const CGroup* group = GroupAt(index.row());
    if (!group)
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == ColNumber ? QVariant(QString::number(index.row() + 1)) : QVariant(group->GetName());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    return {};
}

QVariant CGroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == ColNumber ? QStringLiteral("מס") : QStringLiteral("שם הקבוצה");
}
