#pragma once

#include <QAbstractTableModel>

class CExpence;
class CNewZelDoc;

// The rows of the expenses list: one per expense of the document, in its order. The shekels column
// is hidden in the English interface; the Hebrew one shows the same columns right to left.
class CExpenseListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColName, ColPaid, ColShekels, ColDollars, ColDate, ColPayments, ColComments, ColumnCount };

    explicit CExpenseListModel(CNewZelDoc& document, QObject* parent = nullptr);

    // Takes the document's list again: every row is rewritten.
    void Refill();
    void RefreshExpense(const CExpence* expense);
    void Clear();
    CExpence* ExpenseAt(int row) const;
    int RowOf(const CExpence* expense) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    int m_rows = 0;
};
