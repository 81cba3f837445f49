#pragma once

#include <QAbstractTableModel>

class CGuest;
class CNewZelDoc;

// The rows of the gifts list: every guest of the event, in stored order, with or without a gift.
// The shekels column is the Hebrew interface's only.
class CGiftListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColNames, ColDescription, ColComment, ColShekels, ColDollars, ColTotal, ColumnCount };

    explicit CGiftListModel(CNewZelDoc& document, QObject* parent = nullptr);

    void Refill();
    void RefreshGuest(const CGuest* guest);
    // The rate changed: every total is drawn again.
    void RefreshTotals();
    void Clear();
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    int m_rows = 0;
};
