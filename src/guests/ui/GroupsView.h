#pragma once

#include "guests/ui/GroupGuestsModel.h"
#include "guests/ui/GroupListModel.h"

#include "controls/GenericView.h"

class CGroup;
class CGuest;
class CListCtrlEx;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The page on which guests are sorted into groups: the groups in their stored order on one side,
// the guests of the selected group on the other. Groups are added, renamed, deleted and reordered
// here, guests move between groups, and a group can get a table of its own.
class CGroupsView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 4;

    explicit CGroupsView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    void AddGroup();
    void RenameGroup();
    void DeleteGroup();
    // Swaps the selected group with the one before (-1) or after (+1) it.
    void MoveGroup(int step);
    void CreateTableForGroup();
    // Shift+X: remembers the selected guest for a later Shift+V.
    void MarkGuest();
    // Shift+V: the marked guest joins the selected group.
    void MoveMarkedGuest();
    void ShowGuestDetails();

    void SelectGroup(int row);
    CGroup* SelectedGroup() const;
    CGuest* SelectedGuest() const;
    QString GroupsCounterText() const;
    QString GuestsCounterText() const;
    QMenu* BuildGroupMenu(QWidget* parent);
    QMenu* BuildGuestMenu(QWidget* parent);

    CListCtrlEx* GroupsList() const { return m_groups; }
    CListCtrlEx* GuestsList() const { return m_guests; }
    const CGroupListModel& GroupModel() const { return m_groupModel; }
    const CGroupGuestsModel& GuestModel() const { return m_guestModel; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RenameButton() const { return m_rename; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QLabel* GroupsCounter() const { return m_groupsCounter; }
    QLabel* GuestsCounter() const { return m_guestsCounter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QMenuBar* BuildMenu();
    void RefillGroups(const CGroup* select);
    void RefillGuests();
    void OnGroupSelected();
    void OnApprovalClicked(int row, bool approved);
    void FitGroupColumns();
    void FitGuestColumns();
    void ClearLists();

    CGroupListModel m_groupModel;
    CGroupGuestsModel m_guestModel;
    CListCtrlEx* m_groups = nullptr;
    CListCtrlEx* m_guests = nullptr;
    QLabel* m_groupsCounter = nullptr;
    QLabel* m_guestsCounter = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QString m_currentGroup;
    // The guest Shift+X marked, by unique id, or -1.
    int m_markedGuest = -1;
};
