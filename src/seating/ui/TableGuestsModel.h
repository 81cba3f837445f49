#pragma once

#include <QAbstractTableModel>
#include <QList>

class CGuest;
class CNewZelDoc;

// The guests seated at one table, in the document's order: full name and group, the check box
// set for approved guests and the row coloured by status.
class CTableGuestsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColName, ColGroup, ColumnCount };
    // The colour codes of the rows.
    enum ColourCode { ColourApproved = 0, ColourUnknown = 3, ColourNotComing = 4 };

    explicit CTableGuestsModel(CNewZelDoc& document, QObject* parent = nullptr);

    void SetTable(int number);
    int Table() const { return m_table; }
    void Clear();
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    void RefreshGuest(const CGuest* guest);
    static int ColourCodeOf(const CGuest& guest);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    int m_table = -1;
    QList<CGuest*> m_guests;
};
