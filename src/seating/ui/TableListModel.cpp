#include "seating/ui/TableListModel.h"

#include "seating/core/TableSums.h"

#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// The over-capacity mark: a red plus sign.
const QIcon& OverCapacityIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QPen(QColor(0xD0, 0x10, 0x10), 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(8, 2, 8, 14);
        painter.drawLine(2, 8, 14, 8);
        return QIcon(pixmap);
    }();
    return icon;
}

}

CTableListModel::CTableListModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CTableListModel::Refill()
{
    const QList<qint64> seated = TableSums::Coming(m_document.Guests(), int(m_document.Tables().size()));
    if (seated.size() != m_seated.size()) {
        beginResetModel();
        m_seated = seated;
        endResetModel();
        return;
    }
    m_seated = seated;
    if (!m_seated.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void CTableListModel::RefreshTable(int number)
{
    if (number < 0 || number >= m_seated.size() || number >= m_document.Tables().size())
        return;
    m_seated[number] = m_document.SeatedSum(number, CTable::CountComing);
    emit dataChanged(index(number, 0), index(number, ColumnCount - 1));
}

void CTableListModel::Clear()
{
    beginResetModel();
    m_seated.clear();
    endResetModel();
}

CTable* CTableListModel::TableAt(int row) const
{
    const QList<CTable*>& tables = m_document.Tables();
    return row >= 0 && row < m_seated.size() && row < tables.size() ? tables[row] : nullptr;
}

qint64 CTableListModel::SeatedAt(int row) const
{
    return row >= 0 && row < m_seated.size() ? m_seated[row] : 0;
}

bool CTableListModel::IsOverCapacity(int row) const
{
    const CTable* table = TableAt(row);
    return row > 0 && table && SeatedAt(row) > table->GetSeats();
}

int CTableListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_seated.size());
}

int CTableListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CTableListModel::data(const QModelIndex& index, int role) const
{
    const CTable* table = TableAt(index.row());
    if (!table)
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber:
            return QString::number(row);
        case ColName:
            return table->GetName();
        case ColHall:
            return row == 0 ? QStringLiteral("--") : QString::number(table->GetHallNumber());
        case ColSeats:
            return row == 0 ? QStringLiteral("--") : QString::number(table->GetSeats());
        case ColGuests:
            return QString::number(SeatedAt(row));
        default:
            return QString();
        }
    case Qt::DecorationRole:
        if (index.column() == ColNumber && IsOverCapacity(row))
            return OverCapacityIcon();
        return {};
    case Qt::TextAlignmentRole:
        // English centres the number; Hebrew aligns every column to the right, where it starts.
        if (index.column() == ColNumber && Language::IsEnglish())
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CTableListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColNumber:
        return QStringLiteral("מס");
    case ColName:
        return QStringLiteral("שם השולחן");
    case ColHall:
        return QStringLiteral("מס באולם");
    case ColSeats:
        return QStringLiteral("מקומות");
    case ColGuests:
        return QStringLiteral("מס' מוזמנים");
    default:
        return QString();
    }
}
