#include "seating/core/ArrivalEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/StringTable.h"

namespace {

const QString kCountMissing = QStringLiteral("נא למלא את כמות המוזמנים שבאו בפועל");
const QString kCountCaption = QStringLiteral("נא למלא פרטים חסרים");
const QString kTableFull = QStringLiteral(
    "המוזמן הנל משובץ כעת לשולחן %s.\r\nלא נותרו מקומות ישיבה בשולחן זה.\r\nהאם לשבצו לשולחן זה בכל זאת?");
const QString kTableFullCaption = QStringLiteral("לא נותר מקום בשולחן זה");
const QString kSeparator = QStringLiteral("===============================================");

}

CArrivalEdits::CArrivalEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

qint64 CArrivalEdits::FreeSeatsByArrival(const CTable& table, const CGuest* guest) const
{
    qint64 free = qint64(table.GetSeats()) - m_document.SeatedSum(table.GetId(), CTable::CountArrived);
    if (guest && guest->GetTableIndex() == table.GetId())
        free += guest->GetCameCount();
    return free;
}

qint64 CArrivalEdits::FreeSeatsForChoosing(const CTable& table, const CGuest* guest) const
{
    qint64 free = qint64(table.GetSeats()) - m_document.SeatedSum(table.GetId(), CTable::CountComing);
    if (guest && guest->GetTableIndex() == table.GetId())
        free += guest->GetComing();
    return free;
}

bool CArrivalEdits::CheckCount(int count) const
{
    if (count >= 1)
        return true;
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(kCountMissing, kCountCaption, MSG_OK);
    return false;
}

QList<CArrivalEdits::Choice> CArrivalEdits::TableChoices(const CGuest& guest, int count) const
{
    QList<Choice> roomy;
    QList<Choice> tight;
    const QList<CTable*>& tables = m_document.Tables();
    for (int number = 1; number < tables.size(); ++number) {
        const qint64 free = FreeSeatsForChoosing(*tables[number], &guest);
        if (free < 1)
            continue;
        const Choice choice{number, tables[number]->GetName() + QStringLiteral(" [") + QString::number(free) + QLatin1Char(']')};
        (free >= count ? roomy : tight).append(choice);
    }
    if (count > 1 && !roomy.isEmpty())
        roomy << Choice{-1, QString()} << Choice{-1, kSeparator} << Choice{-1, QString()};
    return roomy + tight;
}

int CArrivalEdits::AskWhenTableFull(const CGuest& guest, int count)
{
    const int number = guest.GetTableIndex();
    const QList<CTable*>& tables = m_document.Tables();
    if (number <= 0 || number >= tables.size() || FreeSeatsByArrival(*tables[number], &guest) >= count)
        return MSG_RESULT_YES;
    IUserMessages* messages = m_document.Messages();
    if (!messages)
        return MSG_RESULT_CANCEL;
    return messages->MessageByText(StringTable::Fill(kTableFull, {tables[number]->GetName()}), kTableFullCaption,
                                   MSG_YES_NO_CANCEL);
}

bool CArrivalEdits::Record(CGuest& guest, int count, int table)
{
    guest.SetArrived(true);
    guest.SetCameCount(count);
    guest.SetComing(count);
    guest.SetInvited(count);
    if (table >= 0 && table < m_document.Tables().size())
        guest.SetTableIndex(table);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_GUEST_CHANGED, &guest);
    return m_document.SaveEvent();
}

CGuest* CArrivalEdits::AddWalkIn(const QString& name, const QString& familyName)
{
    if (name.trimmed().isEmpty() && familyName.trimmed().isEmpty())
        return nullptr;
    CGuest* guest = m_document.AddGuest(name.trimmed(), familyName.trimmed(), m_sender, [](CGuest& added) {
        added.SetInvited(0);
        added.SetComing(0);
    });
    m_document.SaveEvent();
    return guest;
}

CGuest* CArrivalEdits::FindByCode(const CNewZelDoc& document, int code)
{
    for (CGuest* guest : document.Guests())
        if (guest->GetUniqueId() == code)
            return guest;
    return nullptr;
}
