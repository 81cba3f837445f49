#include "seating/ui/ArrivalGuestsModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"

CArrivalGuestsModel::CArrivalGuestsModel(CNewZelDoc& document, QObject* parent)
    : CRecordRowsModel({QStringLiteral("שם פרטי"), QStringLiteral("שם משפחה"), QStringLiteral("כמות"), QStringLiteral("מס שולחן")},
                       parent)
    , m_document(document)
{
}

void CArrivalGuestsModel::Refill(const QString& name, const QString& family, bool onlyNotArrived)
{
    QList<CGuest*> found;
    for (CGuest* guest : m_document.Guests()) {
        if (onlyNotArrived && guest->GetArrived())
            continue;
        if (guest->GetName().contains(name) && guest->GetFamilyName().contains(family))
            found.append(guest);
    }
    SetRows(found);
}

QVariant CArrivalGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = At(index.row());
    if (!guest)
        return {};
    if (role == Qt::TextAlignmentRole)
        return Alignment();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColName:
        return guest->GetName();
    case ColFamily:
        return guest->GetFamilyName();
    case ColCount:
        return QString::number(guest->GetComing());
    case ColTable: {
        const QList<CTable*>& tables = m_document.Tables();
        const int number = guest->GetTableIndex();
        return QString::number(number > 0 && number < tables.size() ? tables[number]->GetHallNumber() : 0);
    }
    default:
        return {};
    }
}
