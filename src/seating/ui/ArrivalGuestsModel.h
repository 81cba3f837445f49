#pragma once

#include <QAbstractTableModel>

class CGuest;
class CNewZelDoc;

// The guests a name search finds, with how many they are and the hall number of their table;
// those who arrived are left out when asked.
class CArrivalGuestsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColName, ColFamily, ColCount, ColTable, ColumnCount };

    explicit CArrivalGuestsModel(CNewZelDoc& document, QObject* parent = nullptr);

    void Refill(const QString& name, const QString& family, bool onlyNotArrived);
    void Clear();
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    void RemoveRow(int row);
    void RefreshGuest(const CGuest* guest);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    QList<CGuest*> m_guests;
};
