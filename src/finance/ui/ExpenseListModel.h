#pragma once

#include "finance/ui/DocumentListModel.h"

class CExpence;
class CNewZelDoc;

// The rows of the expenses list: one per expense of the document, in its order. The shekels column
// is hidden in the English interface; the Hebrew one shows the same columns right to left.
class CExpenseListModel : public CDocumentListModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColName, ColPaid, ColShekels, ColDollars, ColDate, ColPayments, ColComments, ColumnCount };

    explicit CExpenseListModel(CNewZelDoc& document, QObject* parent = nullptr);

    void RefreshExpense(const CExpence* expense) { RefreshRow(RowOf(expense)); }
    CExpence* ExpenseAt(int row) const;
    int RowOf(const CExpence* expense) const;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    int RecordCount() const override;

private:
    CNewZelDoc& m_document;
};
