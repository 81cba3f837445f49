#include "seating/core/AutoSeating.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Settings.h"
#include "data/settings/StringTable.h"
#include "seating/core/SeatVerdict.h"

#include <QHash>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("סידור שולחנות אוטומטי");
const QString kUnseatedQuestion =
    QStringLiteral("סידור שולחנות אוטומטי יצור שולחנות עבור\r\nכל המוזמנים שאינם משובצים. האם להמשיך?");
const QString kAllQuestion = QStringLiteral(
    "שיבוץ מוזמנים אוטומטי ישבץ לשולחנות את המוזמנים על פי \r\nהקבוצה שלהם. כל השולחנות הקימים ימחקו!!!\r\n"
    "האם להמשיך?");
const QString kGroupTableText = QStringLiteral("לקבוצה זו נוצר שולחן חדש ובו %d מוזמנים");
const QString kGroupTableCaption = QStringLiteral("הוספת שולחן הסתימה");
const QString kBrokenIntro = QStringLiteral("השיבוץ האוטומטי הושיב מוזמנים ליד מי שביקשו לא לשבת איתם:");
const QString kBrokenLine = QStringLiteral("'%s' עם '%s' בשולחן '%s'");
const QString kBrokenMore = QStringLiteral("ועוד %d מוזמנים.");
// The message stays readable; the rest is counted.
constexpr int kListedBreaks = 10;

}

CAutoSeating::CAutoSeating(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

int CAutoSeating::TableSize() const
{
    return qBound(kMinSeats, m_document.Settings().GetNumberOfGuestsInTable(), kMaxSeats);
}

bool CAutoSeating::Confirm(const QString& question)
{
    IUserMessages* messages = m_document.Messages();
    return messages && messages->MessageByText(question, kCaption, MSG_YES_NO) == MSG_RESULT_YES;
}

int CAutoSeating::SeatUnseated(bool confirmed)
{
    if (!confirmed && !Confirm(kUnseatedQuestion))
        return 0;
    const QList<CGuest*>& guests = m_document.Guests();
    if (m_document.Tables().isEmpty() ||
        std::none_of(guests.cbegin(), guests.cend(), [](const CGuest* guest) { return guest->GetTableIndex() == 0; }))
        return 0;
    {
        const CNewZelDoc::CBatch batch(m_document);
        Start();
        SeatGroups(true);
    }
    ReportBrokenRestrictions();
    return int(m_seated.size());
}

int CAutoSeating::SeatAll(bool confirmed)
{
    if (!confirmed && !Confirm(kAllQuestion))
        return 0;
    m_document.UpdateAllViews(m_sender, HINT_TABLES_DELETING);
    {
        const CNewZelDoc::CBatch batch(m_document);
        for (CGuest* guest : m_document.Guests())
            guest->SetTableIndex(0);
        m_document.DeleteAllTables();
        Start();
        SeatGroups(false);
    }
    ReportBrokenRestrictions();
    return int(m_seated.size());
}

CAutoSeating::GroupTable CAutoSeating::TableForGroup(const CGroup& group)
{
    GroupTable result;
    {
        const CNewZelDoc::CBatch batch(m_document);
        Start();
        result.table = NewTable(group.GetName());
        // No fit test: the last guest taken may bring the table over its seats.
        for (CGuest* guest : m_document.Guests()) {
            if (result.people >= m_seats)
                break;
            if (guest->GetTableIndex() != 0 || guest->GetGroupName() != group.GetName())
                continue;
            Seat(*guest, *result.table);
            ++result.guests;
            result.people += guest->GetComing();
        }
        m_document.UpdateAllViews(m_sender, HINT_SEATING_REBUILT);
    }
    ReportBrokenRestrictions();
    if (IUserMessages* messages = m_document.Messages()) {
        if (result.guests > 0)
            messages->MessageByText(StringTable::Fill(kGroupTableText, {QString::number(result.guests)}),
                                    kGroupTableCaption, MSG_OK);
        else
            messages->MessageByText(kGroupTableCaption, kGroupTableCaption, MSG_OK);
    }
    return result;
}

void CAutoSeating::Start()
{
    m_seats = TableSize();
    m_usedHalls.clear();
    m_names.clear();
    m_seated.clear();
    m_nextHall = 1;
    for (const CTable* table : m_document.Tables()) {
        m_usedHalls.insert(table->GetHallNumber());
        m_names.insert(table->GetName());
    }
}

void CAutoSeating::SeatGroups(bool freeNamesOnly)
{
    // Only the guests without a table take part; a group's list keeps the order of the guests.
    QHash<QString, QList<CGuest*>> unseated;
    for (CGuest* guest : m_document.Guests())
        if (guest->GetTableIndex() == 0)
            unseated[guest->GetGroupName()].append(guest);
    for (const CGroup* group : m_document.Groups()) {
        const auto found = unseated.constFind(group->GetName());
        if (found != unseated.cend())
            FillGroup(group->GetName(), *found, freeNamesOnly);
    }
    m_document.UpdateAllViews(m_sender, HINT_SEATING_REBUILT);
}

void CAutoSeating::FillGroup(const QString& group, const QList<CGuest*>& guests, bool freeNamesOnly)
{
    const CTable* current = nullptr;
    qint64 people = 0;
    int counter = 0;
    // The first pass packs one table with whoever fits; the second opens a table for each guest
    // that no longer fits.
    for (int pass = 0; pass < 2; ++pass) {
        for (CGuest* guest : guests) {
            if (guest->GetTableIndex() != 0)
                continue;
            const int coming = guest->GetComing();
            if (coming + people > m_seats) {
                if (pass == 0)
                    continue;
                current = nullptr;
                people = 0;
            }
            if (!current) {
                QString name;
                do
                    name = QStringLiteral("%1 - %2").arg(group, QString::number(counter++));
                while (freeNamesOnly && m_names.contains(name));
                current = NewTable(name);
            }
            people += coming;
            Seat(*guest, *current);
        }
    }
}

CTable* CAutoSeating::NewTable(const QString& name)
{
    m_names.insert(name);
    return m_document.CreateTable(name, TakeHallNumber(), m_seats);
}

int CAutoSeating::TakeHallNumber()
{
    // As the document's next free hall number: the smallest unused one up to the number of tables,
    // else 0. Numbers are only ever taken during a run, so the search never has to go back.
    const int count = int(m_document.Tables().size());
    while (m_nextHall <= count && m_usedHalls.contains(m_nextHall))
        ++m_nextHall;
    if (m_nextHall > count)
        return 0;
    m_usedHalls.insert(m_nextHall);
    return m_nextHall;
}

void CAutoSeating::Seat(CGuest& guest, const CTable& table)
{
    guest.SetTableIndex(table.GetId());
    m_seated.append(&guest);
}

void CAutoSeating::ReportBrokenRestrictions()
{
    IUserMessages* messages = m_document.Messages();
    if (!messages)
        return;
    QStringList lines;
    int unlisted = 0;
    for (const CGuest* guest : m_seated) {
        if (guest->GetRestrictions().isEmpty())
            continue;
        const int table = guest->GetTableIndex();
        const CSeatVerdict verdict = CSeatVerdict::Judge(m_document, *guest, table);
        if (verdict.Restricted().isEmpty())
            continue;
        if (lines.size() == kListedBreaks) {
            ++unlisted;
            continue;
        }
        lines << StringTable::Fill(kBrokenLine, {guest->GetFullName(), verdict.Restricted().join(QStringLiteral(", ")),
                                                 m_document.Tables()[table]->GetName()});
    }
    if (lines.isEmpty())
        return;
    if (unlisted > 0)
        lines << StringTable::Fill(kBrokenMore, {QString::number(unlisted)});
    lines.prepend(kBrokenIntro);
    messages->MessageByText(lines.join(QStringLiteral("\r\n")), kCaption, MSG_OK);
}
