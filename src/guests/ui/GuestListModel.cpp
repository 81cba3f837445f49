#include "guests/ui/GuestListModel.h"

#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

// The three status pictures: approved, unknown, not coming.
QIcon StatusIcon(const CGuest& guest)
{
    static const std::array<QIcon, 3> icons = [] {
        auto draw = [](const QColor& colour, const QString& mark) {
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(1, 1, 14, 14);
            painter.setPen(QPen(Qt::white, 2));
            QFont font = painter.font();
            font.setBold(true);
            font.setPixelSize(11);
            painter.setFont(font);
            painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, mark);
            return QIcon(pixmap);
        };
        return std::array<QIcon, 3>{draw(QColor(0x2E, 0x9B, 0x3A), QStringLiteral("✓")),
                                    draw(QColor(0x9A, 0x9A, 0x9A), QStringLiteral("?")),
                                    draw(QColor(0xC8, 0x2A, 0x2A), QStringLiteral("✗"))};
    }();
    return icons[guest.IsApproved() ? 0 : guest.IsNotComing() ? 2 : 1];
}

}

CGuestListModel::CGuestListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CGuestListModel::SetRows(const QList<CGuest*>& guests)
{
    beginResetModel();
    m_rows = guests;
    IndexRows();
    endResetModel();
}

void CGuestListModel::IndexRows()
{
    m_rowOf.clear();
    m_rowOf.reserve(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row)
        m_rowOf.insert(m_rows[row], row);
}

CGuest* CGuestListModel::GuestAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row] : nullptr;
}

int CGuestListModel::RowOf(const CGuest* guest) const
{
    return m_rowOf.value(guest, -1);
}

void CGuestListModel::AppendGuest(CGuest* guest)
{
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(guest);
    m_rowOf.insert(guest, row);
    endInsertRows();
}

void CGuestListModel::RemoveRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    IndexRows();
    endRemoveRows();
    // The serial numbers of the rows after it moved up.
    if (row < m_rows.size())
        emit dataChanged(index(row, ColSerial), index(rowCount() - 1, ColSerial));
}

void CGuestListModel::Sort(GuestSort::Key key, bool ascending)
{
    beginResetModel();
    GuestSort::Sort(m_rows, key, ascending);
    IndexRows();
    endResetModel();
}

QString CGuestListModel::StatusWord(int status)
{
    switch (status) {
    case 0:
        return StringTable::Get(59557);
    case 1:
        return StringTable::Get(59404);
    case 2:
        return StringTable::Get(59707);
    default:
        return QString();
    }
}

QStringList CGuestListModel::StatusWords()
{
    return {StatusWord(1), StatusWord(2), StatusWord(0)};
}

void CGuestListModel::RefreshGuest(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CGuestListModel::RefreshAll()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QString CGuestListModel::Caption(int column)
{
    static const QString captions[ColumnCount] = {
        QStringLiteral("מס"),     QStringLiteral("שמות פרטיים"), QStringLiteral("שם משפחה"),
        QStringLiteral("שיכות"),  QStringLiteral("קבוצה"),       QStringLiteral("נשלחה הזמנה"),
        QStringLiteral("הוזמנו"), QStringLiteral("יבואו"),       QStringLiteral("מצב")};
    return column >= 0 && column < ColumnCount ? captions[column] : QString();
}

int CGuestListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CGuestListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGuestListModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (!guest)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case ColSerial:
            return QString::number(index.row() + 1);
        case ColNames:
            return guest->GetName();
        case ColFamily:
            return guest->GetFamilyName();
        case ColRelation:
            return guest->GetRelation();
        case ColGroup:
            return guest->GetGroupName();
        case ColInvitationSent:
            return guest->GetYesNoText(guest->GetInvitationSent());
        case ColInvited:
            return QString::number(guest->GetInvited());
        case ColComing:
            return QString::number(guest->GetComing());
        case ColStatus:
            return StatusWord(guest->GetStatus());
        default:
            return {};
        }
    case Qt::CheckStateRole:
        if (column == ColStatus)
            return guest->IsApproved() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole:
        if (column == ColStatus)
            return StatusIcon(*guest);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CGuestListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Caption(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CGuestListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == ColStatus)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CGuestListModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    if (!GuestAt(index.row()))
        return false;
    if (role == Qt::CheckStateRole) {
        emit CheckBoxClicked(index.row());
        return false;
    }
    if (role != Qt::EditRole)
        return false;
    emit dataChanged(index, index);
    return true;
}
