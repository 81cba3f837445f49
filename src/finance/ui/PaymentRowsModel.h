#pragma once

#include <QAbstractTableModel>

class CPaymentPlan;

// The rows of the expense dialog's payments list: a row per payment slot (at least ten, numbered
// from 1), an empty row and the sum row "סה"כ". The plan belongs to the dialog.
class CPaymentRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColDate, ColShekels, ColDollars, ColPaid, ColInfo, ColumnCount };

    explicit CPaymentRowsModel(const CPaymentPlan& plan, QObject* parent = nullptr);

    // The plan changed: every row is read again.
    void Refresh();
    int SumRow() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const CPaymentPlan& m_plan;
    int m_rows = 0;
};
