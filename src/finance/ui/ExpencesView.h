#pragma once

#include "finance/ui/ExpenseListModel.h"

#include "controls/GenericView.h"
#include "controls/ListCtrlCallBack.h"

class CExpence;
class CListCtrlEx;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// "רשימת הוצאות": every expense with its payments, edited in place or in the expense dialog, and
// the summary of what is to be paid, what was paid and what remains.
class CExpencesView : public CGenericView, public IListCtrlCallBack
{
    Q_OBJECT

public:
    static constexpr int kPosition = 6;

    explicit CExpencesView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override;
    bool MayEditCell(int column, int row, QString& message) override;
    void GetCellChoices(int column, int row, QStringList& choices, int& current) override;
    bool EditCustomCell(int column, int row, QString& text) override;

    void AddExpense();
    void EditExpense();
    void DeleteExpense();
    void SetFullyPaid();
    void MoveSelected(int step);
    // Each call flips the direction, the first sorts from the earliest date.
    void SortByDate();
    QMenu* BuildContextMenu(QWidget* parent);
    // The markup of the selected row's tip.
    QString SelectedTipMarkup() const;

    CExpence* SelectedExpense() const;
    void SelectExpense(const CExpence* expense);

    CListCtrlEx* List() const { return m_list; }
    const CExpenseListModel& Model() const { return m_model; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QPushButton* RateButton() const { return m_rate; }
    QLabel* ShekelsLabel() const { return m_shekels; }
    QLabel* DollarsLabel() const { return m_dollars; }
    QLabel* TotalLabel() const { return m_total; }
    QLabel* PaidLabel() const { return m_paid; }
    QLabel* RemainingLabel() const { return m_remaining; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void Refill(const CExpence* select);
    void RefreshTotals();
    void UpdateButtons();
    void UpdateTooltip();
    void FitColumns();
    void OnListContextMenu(int row, const QPoint& globalPos);

    CExpenseListModel m_model;
    CListCtrlEx* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_rate = nullptr;
    QLabel* m_shekels = nullptr;
    QLabel* m_dollars = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_paid = nullptr;
    QLabel* m_remaining = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
    bool m_sortAscending = true;
    // Set while the view changes the expenses itself: it redraws at the end instead of at each hint.
    bool m_changing = false;
};
