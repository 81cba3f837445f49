#pragma once

#include "data/records/BaseElement.h"

#include <QList>

class CGuest;
class IRecordOwner;

// A table of the event: a name, its seats, its number in the hall and its place and shape on the
// hall sketch. The id is the table's number, its position in the owner's table list; guests name
// their table by that number, and table 0 holds the guests not seated yet.
class CTable : public CBaseElement
{
public:
    // The table's place on the hall sketch; right and bottom lie width and height past left and top.
    struct Area
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
        bool operator==(const Area&) const = default;
    };

    // What CountPeople sums over the guests of the table.
    enum CountMode { CountInvited = 0, CountComing = 1, CountArrived = 2 };

    explicit CTable(IRecordOwner* owner, CRecordCounters* counters = nullptr);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_TABLES; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    // A table stays new until the owner has placed it.
    void ClearFlags() override;

    // Every table of an older Tables.ini, read from Table0 on up to the first section without one
    // and numbered by its place in the list.
    static QList<CTable*> LoadAllIni(const CIniFile& file, IRecordOwner* owner, CRecordCounters* counters);
    // The right or bottom edge of a rectangle stored as a start and a size, kept within int.
    static int FarEdge(int start, int size);
    // The place and size a section of an older tables or sketch file keeps under the TableLoc and
    // TableSize keys.
    static Area ReadIniArea(const CIniFile& file, const QString& section);

    // The people at the table by mode; -1 without an owner, 0 for a table the owner does not list.
    qint64 CountPeople(int mode) const;
    // Seats less the people coming, or less those who arrived; -1 without an owner.
    int FreeSeats() const;
    int FreeSeatsByArrival() const;
    bool HasComingGuests() const;
    // The guests seated here in the owner's order, or ordered by full name.
    QList<CGuest*> ListGuests(bool sortByFullName) const;
    // Gives another table this one's name, notes, hall number and seats.
    void CopyTo(CTable& other) const;

    int GetSeats() const { return m_seats; }
    bool SetSeats(int seats) { return SetField(m_seats, seats); }
    int GetHallNumber() const { return m_hallNumber; }
    bool SetHallNumber(int hallNumber) { return SetField(m_hallNumber, hallNumber); }
    int GetColor() const { return m_color; }
    bool SetColor(int color) { return SetField(m_color, color); }
    int GetDrawStyle() const { return m_drawStyle; }
    bool SetDrawStyle(int drawStyle) { return SetField(m_drawStyle, drawStyle); }
    const Area& GetArea() const { return m_area; }
    bool SetArea(const Area& area) { return SetField(m_area, area); }
    const QString& GetShapeClass() const { return m_shapeClass; }
    bool SetShapeClass(const QString& shapeClass) { return SetField(m_shapeClass, shapeClass); }

private:
    static inline const QString kPrefix = QStringLiteral("Table");

    // The table's number in the owner's list, or -1.
    int Number() const;
    int SeatsLeft(int mode) const;

    IRecordOwner* m_owner;
    int m_color = 0xE1E1E1;
    int m_seats = 10;
    int m_hallNumber = 0;
    Area m_area;
    int m_drawStyle = 0;
    QString m_shapeClass = QStringLiteral("Table");
};
