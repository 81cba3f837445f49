#pragma once

#include "finance/ui/DocumentListModel.h"

class CGuest;
class CNewZelDoc;

// The rows of the gifts list: every guest of the event, in stored order, with or without a gift.
// The shekels column is the Hebrew interface's only.
class CGiftListModel : public CDocumentListModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColNames, ColDescription, ColComment, ColShekels, ColDollars, ColTotal, ColumnCount };

    explicit CGiftListModel(CNewZelDoc& document, QObject* parent = nullptr);

    void RefreshGuest(const CGuest* guest) { RefreshRow(RowOf(guest)); }
    // The rate changed: every total is drawn again.
    void RefreshTotals();
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    int RecordCount() const override;

private:
    CNewZelDoc& m_document;
};
