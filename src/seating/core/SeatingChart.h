#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CGuest;
class CNewZelDoc;
class CTable;

// What the seating chart shows, gathered from the document in one walk over the guests: the tables
// in the chart's order (by number, or by hall number when the event says so; table 0 first), and
// for each its guests by full name with their lines, the people seated and the texts of its
// bands. The view builds it once per rebuild or hint and paints from it alone.
class CSeatingChart
{
public:
    struct Box
    {
        CTable* table = nullptr;
        int number = 0;
        // The table's name; table 0 shows "..." while nobody is unseated.
        QString name;
        // "שולחן %d (%d)" for a real table; empty for table 0.
        QString title;
        // "%d מתוך %d" for a real table; empty for table 0.
        QString footer;
        // Every guest at the table, shown or not, and the people they bring.
        int members = 0;
        qint64 seated = 0;
        int seats = 0;
        QList<CGuest*> guests;
        QStringList lines;

        bool IsOverCapacity() const { return number > 0 && seated > seats; }
    };

    void Build(CNewZelDoc& document);
    // Rebuilds the texts of one table's box only (its name, seats or hall number changed).
    void RefreshTable(CNewZelDoc& document, const CTable& table);

    // Box 0 is table 0; the others are the grid, box k at grid index k - 1.
    const QList<Box>& Boxes() const { return m_boxes; }
    int Count() const { return int(m_boxes.size()); }
    int GridCount() const { return qMax(0, Count() - 1); }
    // The box of a table number, or -1.
    int BoxOfTable(int number) const;
    int BoxOfGuest(const CGuest* guest) const;
    int LineOfGuest(int box, const CGuest* guest) const;
    bool ArrangedByHall() const { return m_byHall; }

    // The texts of the chart.
    static QString TableTitle(int number, int hallNumber);
    static QString FooterText(qint64 seated, int seats);
    // "%d. %s %s %d" with the running number, or "%s %s %d" without it.
    static QString GuestLine(int number, const CGuest& guest, bool withNumber);
    // Numbers show unless the event's ShowSerial key says "0".
    static bool ShowsNumbers(CNewZelDoc& document);

private:
    void FillTexts(Box& box, bool withNumber) const;

    QList<Box> m_boxes;
    QList<int> m_boxOfTable;
    bool m_byHall = false;
};
