#include "seating/core/TableEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/StringTable.h"
#include "seating/core/SeatVerdict.h"

#include <algorithm>

namespace {

const QString kRestrictionQuestion = QStringLiteral(
    "המוזמנים '%s' לא יכולים לשבת\r\nעם המוזמנים '%s'.\r\nהאם להעבירם בכל זאת?\r\n\r\n"
    "ניתן לשנות הגדרות אילו ב\"פרטים נוספים\" של מוזמן זה.");
const QString kRestrictionCaption = QStringLiteral("בעיה בהושבת המוזמן");
const QString kCapacityQuestion =
    QStringLiteral("מספר המוזמנים בשולחן זה גדול ממספר המקומות בו\r\nהאם להגדיל את מספר המושבים בשולחן זה בהתאמה ?");
const QString kCapacityCaption = QStringLiteral("מספר מוזמנים גדול");
const QString kHallTakenText = QStringLiteral("המיקום של השולחן הנוכחי כבר בשימוש על ידי\r\nשולחן %d (%s)");
const QString kHallTakenCaption = QStringLiteral("שולחן כבר תפוס!");
const QString kDeleteQuestion =
    QStringLiteral("?האם את/ה בטוח/ה שברצונך למחוק שולחן זה\r\n המוזמנים יועברו לרשימת הבילתי משובצים");
const QString kDeleteCaption = QStringLiteral("מחיקה?");
const QString kSharedHallText = QStringLiteral(
    "השולחנות מסודרים לפי מספר באולם, ולשולחנות %s ו-%s אותו מספר באולם (%s).\r\n"
    "כדי להזיז את השולחן יש לתת לכל שולחן מספר אחר באולם.");
const QString kSharedHallCaption = QStringLiteral("הזזת שולחן");

}

CTableEdits::CTableEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

int CTableEdits::Ask(const QString& text, const QString& caption, int buttons, const QStringList& args)
{
    IUserMessages* messages = m_document.Messages();
    if (!messages)
        return MSG_RESULT_CANCEL;
    return messages->MessageByText(args.isEmpty() ? text : StringTable::Fill(text, args), caption, buttons);
}

CTable* CTableEdits::Create(const QString& name, int hallNumber, int seats)
{
    return m_document.CreateTable(name, hallNumber, seats);
}

bool CTableEdits::CheckHallNumber(int hallNumber, int ownHall)
{
    int usedBy = -1;
    QString usedName;
    if (hallNumber == ownHall || m_document.FindTableByHallNumber(hallNumber, &usedBy, &usedName))
        return true;
    Ask(kHallTakenText, kHallTakenCaption, MSG_OK, {QString::number(usedBy), usedName});
    return false;
}

void CTableEdits::Edit(CTable& table, const QString& name, int hallNumber, int seats)
{
    bool changed = table.SetName(name);
    const bool hallChanged = table.SetHallNumber(hallNumber);
    changed = table.SetSeats(seats) || hallChanged || changed;
    if (!changed)
        return;
    m_document.SetModified();
    const bool all = hallChanged && m_document.Settings().GetArrangeTableByHallNumber();
    m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, all ? nullptr : &table);
}

bool CTableEdits::Delete(CTable& table)
{
    const int number = table.GetId();
    if (number < 1 || number >= m_document.Tables().size())
        return false;
    if (m_document.SeatedSum(number, CTable::CountComing) > 0 &&
        Ask(kDeleteQuestion, kDeleteCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    m_document.UpdateAllViews(m_sender, HINT_TABLE_DELETING, &table);
    m_document.DeleteTable(table);
    return true;
}

void CTableEdits::Swap(int first, int second)
{
    const int count = int(m_document.Tables().size());
    if (first < 1 || second < 1 || first >= count || second >= count || first == second)
        return;
    const CNewZelDoc::CBatch batch(m_document);
    m_document.SwapTables(first, second);
    m_document.SetModified();
    // The names and numbers of both places changed even when nobody sits there.
    m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, nullptr);
}

void CTableEdits::Move(int from, int to)
{
    const int count = int(m_document.Tables().size());
    if (from < 1 || to < 1 || from >= count || to >= count || from == to)
        return;
    const CNewZelDoc::CBatch batch(m_document);
    m_document.MoveTable(from, to);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, nullptr);
}

bool CTableEdits::MoveInHallOrder(int from, int to)
{
    const QList<CTable*>& tables = m_document.Tables();
    if (from < 1 || to < 1 || from >= tables.size() || to >= tables.size() || from == to)
        return false;
    QList<CTable*> order = tables.mid(1);
    std::stable_sort(order.begin(), order.end(),
                     [](const CTable* a, const CTable* b) { return a->GetHallNumber() < b->GetHallNumber(); });
    const int source = int(order.indexOf(tables[from]));
    const int target = int(order.indexOf(tables[to]));
    const int first = qMin(source, target);
    const int last = qMax(source, target);
    // Ascending, since the order is by hall number.
    QList<int> halls;
    for (int i = first; i <= last; ++i)
        halls.append(order[i]->GetHallNumber());
    for (int i = 1; i < halls.size(); ++i) {
        if (halls[i] == halls[i - 1]) {
            const CTable* a = order[first + i - 1];
            const CTable* b = order[first + i];
            Ask(kSharedHallText, kSharedHallCaption, MSG_OK,
                {QString::number(a->GetId()), QString::number(b->GetId()), QString::number(halls[i])});
            return false;
        }
    }
    order.move(source, target);
    const CNewZelDoc::CBatch batch(m_document);
    for (int i = first; i <= last; ++i)
        order[i]->SetHallNumber(halls[i - first]);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, nullptr);
    return true;
}

bool CTableEdits::Seat(CGuest& guest, int table)
{
    const CSeatVerdict verdict = CSeatVerdict::Judge(m_document, guest, table);
    if (!verdict.IsValidTable())
        return false;
    if (guest.GetTableIndex() == table)
        return true;
    for (const QString& other : verdict.Restricted())
        if (Ask(kRestrictionQuestion, kRestrictionCaption, MSG_YES_NO, {guest.GetFullName(), other}) != MSG_RESULT_YES)
            return false;
    if (verdict.Overflow() > 0) {
        CTable* target = m_document.Tables()[table];
        const int answer = table > 0 ? Ask(kCapacityQuestion, kCapacityCaption, MSG_YES_NO_CANCEL) : MSG_RESULT_YES;
        if (answer == MSG_RESULT_CANCEL)
            return false;
        if (answer == MSG_RESULT_YES && target->SetSeats(verdict.SeatsNeeded()))
            m_document.SetModified();
        m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, target);
    }
    // The guest record tells the document, which marks the event modified and sends the table hint.
    guest.SetTableIndex(table);
    return true;
}

int CTableEdits::SeatAll(const QList<CGuest*>& guests, int table)
{
    const CNewZelDoc::CBatch batch(m_document);
    int moved = 0;
    for (CGuest* guest : guests)
        if (guest && guest->GetTableIndex() != table && Seat(*guest, table))
            ++moved;
    return moved;
}
