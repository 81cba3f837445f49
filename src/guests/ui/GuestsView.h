#pragma once

#include "guests/ui/GuestListModel.h"
#include "guests/ui/GuestStatisticsModel.h"

#include "controls/GenericView.h"
#include "controls/ListCtrlCallBack.h"

class CGuest;
class CGuestColumns;
class CGuestFilterBar;
class CGuestInfoTab1;
class CGuestInfoTab2;
class CListCtrlEx;
class QMenu;
class QPushButton;
class QTabWidget;

// The main screen of the guest list: filters, the list with three columns edited in place, the
// statistics, and the details pages of the selected guest beside them.
class CGuestsView : public CGenericView, public IListCtrlCallBack
{
    Q_OBJECT

public:
    static constexpr int kPosition = 3;

    explicit CGuestsView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void BeforeSave() override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override;
    bool MayEditCell(int column, int row, QString& message) override;
    void GetCellChoices(int column, int row, QStringList& choices, int& current) override;

    // Applies the filters, rebuilds the statistics and selects the guest (or the first row).
    void Rebuild(CGuest* select = nullptr);
    void ResetFilters();
    void AddGuest();
    void DeleteGuest();
    void ToggleApproval();
    void LocateTable();
    // The search dialog, then the search.
    void Search();
    // The next match of the last search text; false (and a message) without one.
    bool FindNext(bool down);
    void SortByColumn(int column);
    void OpenMultiGuestDialog();
    QMenu* BuildContextMenu(QWidget* parent);
    // Puts the column widths back under their keys, so that the next start shows them again.
    void SaveColumnWidths();
    // Selects the guest's row through the details pages' check; false when they refuse.
    bool SelectGuest(CGuest* guest);
    CGuest* SelectedGuest() const;
    CGuest* ShownGuest() const { return m_shown; }

    CListCtrlEx* List() const { return m_list; }
    CListCtrlEx* StatisticsList() const { return m_statistics; }
    CGuestFilterBar* FilterBar() const { return m_filterBar; }
    QTabWidget* Tabs() const { return m_tabs; }
    CGuestInfoTab1* Tab1() const { return m_tab1; }
    CGuestInfoTab2* Tab2() const { return m_tab2; }
    CGuestColumns* Columns() const { return m_columns; }
    const CGuestListModel& Model() const { return m_model; }
    const CGuestStatisticsModel& StatisticsModel() const { return m_statisticsModel; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* ColumnsButton() const { return m_columnsButton; }
    QPushButton* MultiButton() const { return m_multi; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildLayout();
    void BuildButtons();
    void OnSelectionChanged();
    void SelectRow(int row);
    void ShowGuest(CGuest* guest);
    bool ValidatePages();
    void OnGuestEdited(CGuest* guest, bool fromPersonalPage);
    void GuestChanged(CGuest* guest);
    void RefreshStatistics();
    void RefillGroups();
    void UpdateListTooltip();
    void OnListContextMenu(int row, const QPoint& globalPos);
    void ShowColumnMenu(const QPoint& globalPos);
    void FitStatisticsColumns();
    void ClearList();
    // Takes the guest's row away and selects the row that takes its place.
    void RemoveGuestRow(CGuest* guest);

    CGuestListModel m_model;
    CGuestStatisticsModel m_statisticsModel;
    CListCtrlEx* m_list = nullptr;
    CListCtrlEx* m_statistics = nullptr;
    CGuestFilterBar* m_filterBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    CGuestInfoTab1* m_tab1 = nullptr;
    CGuestInfoTab2* m_tab2 = nullptr;
    CGuestColumns* m_columns = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_columnsButton = nullptr;
    QPushButton* m_multi = nullptr;
    // The guest the details pages show.
    CGuest* m_shown = nullptr;
    // Set while the view rebuilds, sorts or removes rows itself: selection changes are ignored.
    bool m_busy = false;
    // Sort directions: group, names (first and family), relation, status, invitation sent.
    bool m_ascending[5] = {true, true, true, true, true};
    int m_lastFound = -1;
    QString m_searchText;
    bool m_searchUp = false;
};
