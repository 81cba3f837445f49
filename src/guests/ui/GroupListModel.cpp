#include "guests/ui/GroupListModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"

CGroupListModel::CGroupListModel(CNewZelDoc& document, QObject* parent)
    : CRecordRowsModel({QStringLiteral("מס"), QStringLiteral("שם הקבוצה")}, parent)
    , m_document(document)
{
}

void CGroupListModel::Refill()
{
    SetRows(m_document.Groups());
}

QVariant CGroupListModel::data(const QModelIndex& index, int role) const
{
    const CGroup* group = At(index.row());
    if (!group)
        return {};
    if (role == Qt::DisplayRole)
        return index.column() == ColNumber ? QString::number(index.row() + 1) : group->GetName();
    return role == Qt::TextAlignmentRole ? Alignment() : QVariant();
}
