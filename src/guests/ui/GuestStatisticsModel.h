#pragma once

#include "guests/core/GuestStatistics.h"

#include <QAbstractTableModel>

// The statistics table under the guest list: a label column, then will come, invited, will not
// come, invitation sent and approved; rows bride, groom, shared and total.
class CGuestStatisticsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColLabel, ColComing, ColInvited, ColNotComing, ColInvitationSent, ColApproved, ColumnCount };

    explicit CGuestStatisticsModel(QObject* parent = nullptr);

    void SetStatistics(const CGuestStatistics& statistics);
    const CGuestStatistics& Statistics() const { return m_statistics; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CGuestStatistics m_statistics;
};
