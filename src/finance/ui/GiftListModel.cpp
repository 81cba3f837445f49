#include "finance/ui/GiftListModel.h"

#include "finance/core/GiftTotals.h"
#include "finance/core/MoneyText.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"

#include <QBrush>
#include <QColor>

CGiftListModel::CGiftListModel(CNewZelDoc& document, QObject* parent)
    : CDocumentListModel(ColumnCount, parent)
    , m_document(document)
{
}

int CGiftListModel::RecordCount() const
{
    return m_document.GuestCount();
}

void CGiftListModel::RefreshTotals()
{
    if (Rows() > 0)
        emit dataChanged(index(0, ColTotal), index(Rows() - 1, ColTotal));
}

CGuest* CGiftListModel::GuestAt(int row) const
{
    return At(m_document.Guests(), row);
}

int CGiftListModel::RowOf(const CGuest* guest) const
{
    return RowIn(m_document.Guests(), guest);
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
