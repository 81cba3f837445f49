#pragma once

#include "controls/RecordRowsModel.h"

class CGroup;
class CNewZelDoc;

// The groups of the event in their stored order: serial number and name.
class CGroupListModel : public CRecordRowsModel<CGroup>
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColName, ColumnCount };

    explicit CGroupListModel(CNewZelDoc& document, QObject* parent = nullptr);

    // Reads the document's list again.
    void Refill();

    QVariant data(const QModelIndex& index, int role) const override;

private:
    CNewZelDoc& m_document;
};
