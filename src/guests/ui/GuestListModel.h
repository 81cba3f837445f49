#pragma once

#include "guests/core/GuestSort.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class CGuest;

// The rows of the guest list: the guests shown, one per row, in the list's order. The texts are
// read from the guests whenever a row is drawn, so rewriting a row is only a matter of telling
// the list.
class CGuestListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The logical columns, in the English order (the Hebrew page shows them mirrored).
    enum Column {
        ColSerial,
        ColNames,
        ColFamily,
        ColRelation,
        ColGroup,
        ColInvitationSent,
        ColInvited,
        ColComing,
        ColStatus,
        ColumnCount
    };

    explicit CGuestListModel(QObject* parent = nullptr);

    void SetRows(const QList<CGuest*>& guests);
    const QList<CGuest*>& Rows() const { return m_rows; }
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    void AppendGuest(CGuest* guest);
    void RemoveRow(int row);
    void Sort(GuestSort::Key key, bool ascending);
    void RefreshGuest(const CGuest* guest);
    void RefreshAll();
    static QString Caption(int column);
    // The word of the status column, in both languages: approved, will not come or unknown.
    static QString StatusWord(int status);
    static QStringList StatusWords();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited text is already in the guest: the row is only redrawn. A click on a check box is
    // handed to the page, which decides.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void CheckBoxClicked(int row);

private:
    void IndexRows();

    QList<CGuest*> m_rows;
    QHash<const CGuest*, int> m_rowOf;
};
