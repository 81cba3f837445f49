#pragma once

#include <QAbstractTableModel>

class CGuest;
class CNewZelDoc;

// The guests of one group in the document's order, the check box set for approved guests. A click
// on a check box is announced, not stored: approving is an edit of the view.
class CGroupGuestsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColApproved, ColNames, ColRelation, ColGroup, ColumnCount };

    explicit CGroupGuestsModel(CNewZelDoc& document, QObject* parent = nullptr);

    // The guests whose group is exactly this name.
    void SetGroup(const QString& name);
    void Clear();
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    void RefreshAll();
    const QList<CGuest*>& Guests() const { return m_guests; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void ApprovalClicked(int row, bool approved);

private:
    CNewZelDoc& m_document;
    QList<CGuest*> m_guests;
};
