#include "finance/ui/GiftListModel.h"

#include "finance/core/GiftTotals.h"
#include "finance/core/MoneyText.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"

#include <QBrush>
#include <QColor>

CGiftListModel::CGiftListModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CGiftListModel::Refill()
{
    beginResetModel();
    m_rows = m_document.GuestCount();
    endResetModel();
}

void CGiftListModel::RefreshGuest(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CGiftListModel::RefreshTotals()
{
    if (m_rows > 0)
        emit dataChanged(index(0, ColTotal), index(m_rows - 1, ColTotal));
}

void CGiftListModel::Clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

CGuest* CGiftListModel::GuestAt(int row) const
{
    const QList<CGuest*>& guests = m_document.Guests();
    return row >= 0 && row < m_rows && row < guests.size() ? guests[row] : nullptr;
}

int CGiftListModel::RowOf(const CGuest* guest) const
{
    const int row = guest ? int(m_document.Guests().indexOf(const_cast<CGuest*>(guest))) : -1;
    return row < m_rows ? row : -1;
}

int CGiftListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CGiftListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGiftListModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!guest)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber:
            return QString::number(index.row() + 1);
        case ColNames:
            return guest->GetFullName();
        case ColDescription:
            return guest->GetGift();
        case ColComment:
            return guest->GetGiftInfo();
        case ColShekels:
            return MoneyText::Whole(guest->GetGiftShekels());
        case ColDollars:
            return MoneyText::Whole(guest->GetGiftDollars());
        case ColTotal:
            return MoneyText::OneDecimal(
                CGiftTotals::GuestTotal(*guest, m_document.Settings().GetDolarToShekel(), Language::IsHebrew()));
        default:
            return QString();
        }
    case Qt::ForegroundRole:
        if (index.column() == ColTotal)
            return QBrush(QColor(0, 150, 150));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == ColNumber)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool CGiftListModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    // The view wrote the value into the guest already: the row is read again.
    if (role != Qt::EditRole || !GuestAt(index.row()))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

QVariant CGiftListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColNumber:
        return QStringLiteral("מס");
    case ColNames:
        return QStringLiteral("שמות המוזמנים");
    case ColDescription:
        return QStringLiteral("תאור המתנה");
    case ColComment:
        return QStringLiteral("הערות");
    case ColShekels:
        return QStringLiteral("שקלים");
    case ColDollars:
        return QStringLiteral("דולרים");
    case ColTotal:
        return QStringLiteral("סה\"כ למוזמן");
    default:
        return QString();
    }
}
