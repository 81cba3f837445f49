#pragma once

#include "controls/RecordRowsModel.h"

class CGuest;
class CNewZelDoc;

// The guests of one group in the document's order, the check box set for approved guests. A click
// on a check box is announced, not stored: approving is an edit of the view.
class CGroupGuestsModel : public CRecordRowsModel<CGuest>
{
    Q_OBJECT

public:
    enum Column { ColApproved, ColNames, ColRelation, ColGroup, ColumnCount };

    explicit CGroupGuestsModel(CNewZelDoc& document, QObject* parent = nullptr);

    // The guests whose group is exactly this name.
    void SetGroup(const QString& name);

    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void ApprovalClicked(int row, bool approved);

private:
    CNewZelDoc& m_document;
};
