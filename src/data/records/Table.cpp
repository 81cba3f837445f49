#include "data/records/Table.h"

#include "data/records/Guest.h"
#include "data/storage/IniFile.h"
#include "data/records/RecordOwner.h"
#include "data/storage/XmlText.h"

#include <algorithm>
#include <climits>

int CTable::FarEdge(int start, int size)
{
    return int(qBound(qint64(INT_MIN), qint64(start) + size, qint64(INT_MAX)));
}

CTable::Area CTable::ReadIniArea(const CIniFile& file, const QString& section)
{
    Area area;
    area.left = file.GetInt(section, QStringLiteral("TableLocX"), 0);
    area.top = file.GetInt(section, QStringLiteral("TableLocY"), 0);
    area.right = FarEdge(area.left, file.GetInt(section, QStringLiteral("TableSizeX"), 0));
    area.bottom = FarEdge(area.top, file.GetInt(section, QStringLiteral("TableSizeY"), 0));
    return area;
}

CTable::CTable(IRecordOwner* owner, CRecordCounters* counters)
    : CBaseElement(counters)
    , m_owner(owner)
{
    TakeId(&CRecordCounters::tables);
}

bool CTable::LoadIni(const CIniFile& file, const QString& section)
{
    m_section = section;
    // Only an absent Name ends the tables; an empty one is a table without a name.
    const QString absent = QStringLiteral("empty");
    const QString name = file.GetString(section, QStringLiteral("Name"), absent, CIniFile::ReadLimit::Cut255);
    if (name == absent)
        return false;
    m_name = name;
    m_isNew = false;
    m_seats = file.GetInt(section, QStringLiteral("Places"), 10);
    m_hallNumber = file.GetInt(section, QStringLiteral("InHall"), 0);
    m_area = ReadIniArea(file, section);
    m_color = file.GetInt(section, QStringLiteral("Sc"), 0xE1E1E1);
    m_drawStyle = file.GetInt(section, QStringLiteral("TableDrawColor"), 0);
    const QString shapeClass =
        file.GetString(section, QStringLiteral("ShapeClass"), QString(), CIniFile::ReadLimit::Cut255);
    if (!shapeClass.isEmpty())
        m_shapeClass = shapeClass;
    m_modified = false;
    return true;
}

QList<CTable*> CTable::LoadAllIni(const CIniFile& file, IRecordOwner* owner, CRecordCounters* counters)
{
    // The file holds no numbers: a table's number is its place in the list.
    return LoadSections<CTable>(file, kPrefix, [owner, counters](int index) {
        auto* table = new CTable(owner, counters);
        table->m_id = index;
        return table;
    });
}

bool CTable::WriteXml(QByteArray& buffer) const
{
    using namespace XmlText;
    AppendStart(buffer, "Table");
    AppendText(buffer, "tName", m_name);
    AppendInt(buffer, "tSeats", m_seats);
    AppendInt(buffer, "tNumHall", m_hallNumber);
    AppendText(buffer, "tClass", m_shapeClass);
    AppendInt(buffer, "tCordX", m_area.left);
    AppendInt(buffer, "tCordY", m_area.top);
    AppendInt(buffer, "tWidth", m_area.Width());
    AppendInt(buffer, "tHeight", m_area.Height());
    AppendInt(buffer, "tColor", m_color);
    AppendInt(buffer, "tdStyle", m_drawStyle);
    AppendEnd(buffer, "Table");
    buffer += "\r\n";
    return true;
}

void CTable::ClearFlags()
{
    m_modified = false;
}

int CTable::Number() const
{
    return m_owner ? m_owner->TableNumberBySerial(m_serial) : -1;
}

qint64 CTable::CountPeople(int mode) const
{
    if (!m_owner)
        return -1;
    const int number = Number();
    return number < 0 ? 0 : m_owner->SeatedSum(number, mode);
}

int CTable::SeatsLeft(int mode) const
{
    return m_owner ? m_seats - CountPeople(mode) : -1;
}

int CTable::FreeSeats() const
{
    return SeatsLeft(CountComing);
}

int CTable::FreeSeatsByArrival() const
{
    return SeatsLeft(CountArrived);
}

bool CTable::HasComingGuests() const
{
    const QList<CGuest*> guests = ListGuests(false);
    return std::any_of(guests.begin(), guests.end(), [](const CGuest* guest) { return guest->GetComing() > 0; });
}

QList<CGuest*> CTable::ListGuests(bool sortByFullName) const
{
    QList<CGuest*> seated;
    const int number = Number();
    if (number < 0)
        return seated;
    for (CGuest* guest : m_owner->GetGuests()) {
        if (guest->GetTableIndex() == number)
            seated.append(guest);
    }
    if (sortByFullName) {
        std::stable_sort(seated.begin(), seated.end(), [](const CGuest* a, const CGuest* b) {
            return a->GetFullName() < b->GetFullName();
        });
    }
    return seated;
}

void CTable::CopyTo(CTable& other) const
{
    CopyNameAndNotesTo(other);
    other.SetHallNumber(m_hallNumber);
    other.SetSeats(m_seats);
}
