#pragma once

#include "controls/GenericView.h"

#include "seating/ui/TableDlg.h"
#include "seating/ui/TableGuestsModel.h"
#include "seating/ui/TableListModel.h"

class CGuest;
class CListCtrlEx;
class CTable;
class CTableMenu;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The page on which the user defines the tables and seats guests at them by hand: the tables on
// one side, the guests of the selected table on the other.
class CTablesView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 7;
    // The move menu reaches tables 1 to 200.
    static constexpr int kMoveMenuTables = 200;

    explicit CTablesView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    void AddTable();
    // Edits the selected table or one handed over by another page.
    void EditTable(CTable* table);
    // The edit procedure itself, for any page: table 0 only explains itself; the others get the
    // table dialog until the hall number entered is free. True when the table was written.
    static bool RunEditTable(CNewZelDoc& document, CTable& table, QWidget* parent);
    // Deletes the table of the row (never table 0), asking first when people sit there.
    void DeleteTable(int row);
    void MoveSelectedTable(int step);
    void ShowTableSettings();

    // The move-to-table menu for the selected guests, with "עבור לפרטי המוזמן" below the tables.
    CTableMenu* BuildMoveMenu(QWidget* parent);
    // Seats every selected guest that the document lets sit there, in row order.
    void MoveSelectedGuests(int table);
    void ShowGuestDetails(int row);

    int SelectedTable() const;
    void SelectTable(int row);
    QString SummaryText() const;

    CListCtrlEx* TablesList() const { return m_tables; }
    CListCtrlEx* GuestsList() const { return m_guests; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QLabel* SummaryLabel() const { return m_summary; }
    QMenu* ViewMenu() const { return m_menu; }
    const CTableListModel& TableModel() const { return m_tableModel; }
    const CTableGuestsModel& GuestModel() const { return m_guestModel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void BuildMenu(QMenuBar* bar);
    // Counts every table anew and shows the guests of the selected one; announce tells the other
    // pages which table is selected.
    void Refill(bool announce);
    // Counts anew and selects a row (clamped), announcing it.
    void RefillAndSelect(int row);
    // Shows the guest's table with the guest selected.
    void LocateGuest(const CGuest& guest);
    void OnTableSelectionChanged();
    void UpdateButtons();
    void FitColumns();
    void OnGuestContextMenu(int row, const QPoint& globalPos);
    void ClearLists();
    int RowOfTable(const CHintObject* object) const;

    CTableListModel m_tableModel;
    CTableGuestsModel m_guestModel;
    CListCtrlEx* m_tables = nullptr;
    CListCtrlEx* m_guests = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_editAction = nullptr;
    // Set while the view rebuilds its lists itself: selection changes are not handled then.
    bool m_busy = false;
    // Set while the view changes tables or seats itself: the document's hints are answered at the end.
    bool m_changing = false;
    bool m_announce = true;
    bool m_ready = false;
};
