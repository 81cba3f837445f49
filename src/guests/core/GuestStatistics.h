#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class CGuest;

// The statistics table of the guest list: per relation (bride, groom, shared) and in total, over
// the guests shown.
class CGuestStatistics
{
public:
    enum RowIndex { Bride, Groom, Shared, Total, RowCount };

    struct Row
    {
        qint64 coming = 0;         // "יבואו": the coming counts
        qint64 invited = 0;        // "הוזמנו": the invited counts
        qint64 notComing = 0;      // "לא יבואו": the invited counts of guests who will not come
        qint64 invitations = 0;    // invitations of the guests whose invitation was sent
        qint64 sentComing = 0;     // the coming counts of those guests
        qint64 approved = 0;       // "אישרו": the coming counts of approved guests
        bool operator==(const Row&) const = default;
    };

    void Compute(const QList<CGuest*>& shown);
    const Row& At(int row) const { return m_rows[size_t(row)]; }

    // "נשלחה הזמנה": the invitations, padding by their size, then the coming people in brackets.
    static QString InvitationText(qint64 invitations, qint64 coming);
    // "הכלה", "החתן", "משותף", "סה"כ".
    static QStringList RowLabels();
    // The captions of the columns after the label column.
    static QStringList ColumnCaptions();

private:
    std::array<Row, RowCount> m_rows{};
};
