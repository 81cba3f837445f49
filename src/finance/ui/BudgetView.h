#pragma once

#include "finance/ui/BudgetOptionModel.h"

#include "controls/GenericView.h"

class CCategory;
class CListCtrlEx;
class COffer;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

// "תקציב": the price offers of the suppliers in a tree of categories, and three options, each a
// combination of offers with its total, weighed against the budget ceiling.
class CBudgetView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 13;
    // The kinds of the tree's nodes; offers whose category is gone sit under a node of their own.
    enum NodeType { CategoryNode = 1001, LostOffersNode, OfferNode };

    explicit CBudgetView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void BeforeSave() override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    void AddCategory();
    void RenameCategory();
    void DeleteCategory();
    void AddOffer();
    void EditOffer();
    void DeleteOffer();
    void MoveIntoOption();
    void ReturnOne();
    void ReturnAll();
    // Hands the ceiling field to the event.
    void CommitCeiling();
    // The report of the option shown, through a print preview.
    void PrintOption();
    void ShowOption(int option);
    int CurrentOption() const;

    // The node's menu; on no node, only the category entry.
    QMenu* BuildContextMenu(QTreeWidgetItem* item, QWidget* parent);
    // The markup of the selected node's tip.
    QString SelectedTipMarkup() const;

    CCategory* SelectedCategory() const;
    COffer* SelectedOffer() const;
    COffer* SelectedOptionOffer() const;
    void SelectOffer(const COffer* offer);
    void SelectCategory(const CCategory* category);
    QTreeWidgetItem* LostOffersItem() const;

    QTreeWidget* Tree() const { return m_tree; }
    CListCtrlEx* List() const { return m_list; }
    const CBudgetOptionModel& Model() const { return m_model; }
    QTabBar* Tabs() const { return m_tabs; }
    QLabel* TotalLabel() const { return m_total; }
    QLineEdit* CeilingField() const { return m_ceiling; }
    QPushButton* MoveButton() const { return m_move; }
    QPushButton* ReturnButton() const { return m_return; }
    QPushButton* ReturnAllButton() const { return m_returnAll; }
    QPushButton* PrintButton() const { return m_print; }
    QPushButton* AddCategoryButton() const { return m_addCategory; }
    QPushButton* DeleteCategoryButton() const { return m_deleteCategory; }
    QPushButton* RenameCategoryButton() const { return m_renameCategory; }
    QPushButton* AddOfferButton() const { return m_addOffer; }
    QPushButton* DeleteOfferButton() const { return m_deleteOffer; }
    QPushButton* EditOfferButton() const { return m_editOffer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildTreePane();
    QWidget* BuildOptionPane();
    void RebuildTree();
    void RefillOption(const COffer* select);
    void ShowCeiling();
    void UpdateButtons();
    void UpdateTooltip();
    void OnTreeContextMenu(const QPoint& pos);
    void Clear();
    // The category a new offer is filed under: the selected one, or the selected offer's.
    QString ChosenCategoryName() const;
    QStringList CategoryNames() const;

    CBudgetOptionModel m_model;
    QTreeWidget* m_tree = nullptr;
    CListCtrlEx* m_list = nullptr;
    QTabBar* m_tabs = nullptr;
    QLabel* m_total = nullptr;
    QLineEdit* m_ceiling = nullptr;
    QPushButton* m_move = nullptr;
    QPushButton* m_return = nullptr;
    QPushButton* m_returnAll = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_addCategory = nullptr;
    QPushButton* m_deleteCategory = nullptr;
    QPushButton* m_renameCategory = nullptr;
    QPushButton* m_addOffer = nullptr;
    QPushButton* m_deleteOffer = nullptr;
    QPushButton* m_editOffer = nullptr;
    QAction* m_renameCategoryAction = nullptr;
    QAction* m_deleteCategoryAction = nullptr;
    QAction* m_editOfferAction = nullptr;
    QAction* m_deleteOfferAction = nullptr;
};
