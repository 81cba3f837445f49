#pragma once

#include <QAbstractTableModel>
#include <QList>

class COffer;

// The rows of one budget option: each offer chosen for it with its cost for the current number of
// guests.
class CBudgetOptionModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColCost, ColName, ColumnCount };

    explicit CBudgetOptionModel(QObject* parent = nullptr);

    void SetOffers(const QList<COffer*>& offers, int guestCount);
    void Clear();
    COffer* OfferAt(int row) const;
    int RowOf(const COffer* offer) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<COffer*> m_offers;
    int m_guestCount = 0;
};
