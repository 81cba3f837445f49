#include "guests/ui/GuestStatisticsModel.h"

#include "data/settings/Language.h"

#include <QFont>

namespace {

// In a left-to-right page the bracketed Hebrew part would come out reordered ("[מוזמנים 0]"):
// it is embedded right to left there.
QString InvitationCell(const CGuestStatistics::Row& row)
{
    const QString text = CGuestStatistics::InvitationText(row.invitations, row.sentComing);
    if (Language::IsHebrew())
        return text;
    const qsizetype bracket = text.indexOf(QLatin1Char('['));
    return text.left(bracket) + QChar(0x202B) + text.mid(bracket) + QChar(0x202C);
}

}

CGuestStatisticsModel::CGuestStatisticsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CGuestStatisticsModel::SetStatistics(const CGuestStatistics& statistics)
{
    m_statistics = statistics;
    emit dataChanged(index(0, 0), index(CGuestStatistics::RowCount - 1, ColumnCount - 1));
}

int CGuestStatisticsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : CGuestStatistics::RowCount;
}

int CGuestStatisticsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CGuestStatisticsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const CGuestStatistics::Row& row = m_statistics.At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColLabel:
            return CGuestStatistics::RowLabels().value(index.row());
        case ColComing:
            return QString::number(row.coming);
        case ColInvited:
            return QString::number(row.invited);
        case ColNotComing:
            return QString::number(row.notComing);
        case ColInvitationSent:
            return InvitationCell(row);
        case ColApproved:
            return QString::number(row.approved);
        default:
            return {};
        }
    case Qt::FontRole:
        if (index.column() == ColLabel || index.row() == CGuestStatistics::Total) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CGuestStatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == ColLabel ? QString() : CGuestStatistics::ColumnCaptions().value(section - 1);
    return QAbstractTableModel::headerData(section, orientation, role);
}
