#pragma once

#include "controls/RecordRowsModel.h"

class CGuest;
class CNewZelDoc;

// The guests a name search finds, with how many they are and the hall number of their table;
// those who arrived are left out when asked.
class CArrivalGuestsModel : public CRecordRowsModel<CGuest>
{
    Q_OBJECT

public:
    enum Column { ColName, ColFamily, ColCount, ColTable, ColumnCount };

    explicit CArrivalGuestsModel(CNewZelDoc& document, QObject* parent = nullptr);

    void Refill(const QString& name, const QString& family, bool onlyNotArrived);

    QVariant data(const QModelIndex& index, int role) const override;

private:
    CNewZelDoc& m_document;
};
