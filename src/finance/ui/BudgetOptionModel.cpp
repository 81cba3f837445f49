#include "finance/ui/BudgetOptionModel.h"

#include "data/records/Offer.h"

CBudgetOptionModel::CBudgetOptionModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CBudgetOptionModel::SetOffers(const QList<COffer*>& offers, int guestCount)
{
    beginResetModel();
    m_offers = offers;
    m_guestCount = guestCount;
    endResetModel();
}

void CBudgetOptionModel::Clear()
{
    SetOffers({}, 0);
}

COffer* CBudgetOptionModel::OfferAt(int row) const
{
    return row >= 0 && row < m_offers.size() ? m_offers[row] : nullptr;
}

int CBudgetOptionModel::RowOf(const COffer* offer) const
{
    return offer ? int(m_offers.indexOf(const_cast<COffer*>(offer))) : -1;
}

int CBudgetOptionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_offers.size());
}

int CBudgetOptionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CBudgetOptionModel::data(const QModelIndex& index, int role) const
{
    const COffer* offer = OfferAt(index.row());
    if (!offer || role != Qt::DisplayRole)
        return QVariant();
    return index.column() == ColCost ? QString::number(offer->GetPrice(m_guestCount)) : offer->GetName();
}

QVariant CBudgetOptionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return section == ColCost ? QStringLiteral("סכום") : QStringLiteral("הצעות מחיר");
}
