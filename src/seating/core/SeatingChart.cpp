#include "seating/core/SeatingChart.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/StringTable.h"

#include <algorithm>

namespace {

const int kTitleId = 59460;
const int kFooterId = 59461;
const QString kShowSerial = QStringLiteral("ShowSerial");

}

QString CSeatingChart::TableTitle(int number, int hallNumber)
{
    return StringTable::Fill(StringTable::Get(kTitleId), {QString::number(number), QString::number(hallNumber)});
}

QString CSeatingChart::FooterText(qint64 seated, int seats)
{
    return StringTable::Fill(StringTable::Get(kFooterId), {QString::number(seated), QString::number(seats)});
}

QString CSeatingChart::GuestLine(int number, const CGuest& guest, bool withNumber)
{
    const QString names = guest.GetName() + QLatin1Char(' ') + guest.GetFamilyName() + QLatin1Char(' ') +
                          QString::number(guest.GetComing());
    return withNumber ? QString::number(number) + QStringLiteral(". ") + names : names;
}

bool CSeatingChart::ShowsNumbers(CNewZelDoc& document)
{
    return document.Settings().Key(kShowSerial) != QLatin1String("0");
}

void CSeatingChart::Build(CNewZelDoc& document)
{
    const QList<CTable*>& tables = document.Tables();
    const bool hideAbsent = document.Settings().GetDontShowNonComming();
    m_byHall = document.Settings().GetArrangeTableByHallNumber();

    QList<CTable*> order = tables;
    if (m_byHall && order.size() > 1)
        std::stable_sort(order.begin() + 1, order.end(),
                         [](const CTable* a, const CTable* b) { return a->GetHallNumber() < b->GetHallNumber(); });

    m_boxes.clear();
    m_boxes.reserve(order.size());
    m_boxOfTable.fill(-1, tables.size());
    for (CTable* table : order) {
        Box box;
        box.table = table;
        box.number = table->GetId();
        box.seats = table->GetSeats();
        if (box.number >= 0 && box.number < tables.size())
            m_boxOfTable[box.number] = int(m_boxes.size());
        m_boxes.append(box);
    }
    for (CGuest* guest : document.Guests()) {
        const int number = guest->GetTableIndex();
        const int index = number >= 0 && number < m_boxOfTable.size() ? m_boxOfTable[number] : -1;
        if (index < 0)
            continue;
        Box& box = m_boxes[index];
        ++box.members;
        box.seated += guest->GetComing();
        if (!hideAbsent || guest->GetComing() >= 1)
            box.guests.append(guest);
    }
    const bool withNumber = ShowsNumbers(document);
    for (Box& box : m_boxes) {
        // Full names computed once per guest rather than once per comparison.
        QList<std::pair<QString, CGuest*>> keyed;
        keyed.reserve(box.guests.size());
        for (CGuest* guest : box.guests)
            keyed.append({guest->GetFullName(), guest});
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int i = 0; i < keyed.size(); ++i)
            box.guests[i] = keyed[i].second;
        FillTexts(box, withNumber);
    }
}

void CSeatingChart::RefreshTable(CNewZelDoc& document, const CTable& table)
{
    const int index = BoxOfTable(table.GetId());
    if (index < 0 || m_boxes[index].table != &table)
        return;
    Box& box = m_boxes[index];
    box.seats = table.GetSeats();
    FillTexts(box, ShowsNumbers(document));
}

void CSeatingChart::FillTexts(Box& box, bool withNumber) const
{
    box.name = box.number == 0 && box.members == 0 ? QStringLiteral("...") : box.table->GetName();
    if (box.number > 0) {
        box.title = TableTitle(box.number, box.table->GetHallNumber());
        box.footer = FooterText(box.seated, box.seats);
    }
    box.lines.clear();
    box.lines.reserve(box.guests.size());
    for (int i = 0; i < box.guests.size(); ++i)
        box.lines.append(GuestLine(i + 1, *box.guests[i], withNumber));
}

int CSeatingChart::BoxOfTable(int number) const
{
    return number >= 0 && number < m_boxOfTable.size() ? m_boxOfTable[number] : -1;
}

int CSeatingChart::BoxOfGuest(const CGuest* guest) const
{
    return guest ? BoxOfTable(guest->GetTableIndex()) : -1;
}

int CSeatingChart::LineOfGuest(int box, const CGuest* guest) const
{
    return box >= 0 && box < m_boxes.size() ? int(m_boxes[box].guests.indexOf(guest)) : -1;
}
