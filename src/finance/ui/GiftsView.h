#pragma once

#include "finance/ui/GiftListModel.h"

#include "controls/GenericView.h"
#include "controls/ListCtrlCallBack.h"

class CGuest;
class CListCtrlEx;
class QLabel;
class QMenu;
class QPushButton;

// "רשימת מתנות": every guest with the gift it brought, edited in place or in the gift dialog, and
// the sums of all gifts.
class CGiftsView : public CGenericView, public IListCtrlCallBack
{
    Q_OBJECT

public:
    static constexpr int kPosition = 5;

    explicit CGiftsView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override;
    bool MayEditCell(int column, int row, QString& message) override;
    void GetCellChoices(int column, int row, QStringList& choices, int& current) override;

    void EditGift();
    void DeleteGift();
    // Asks the application to show the selected guest's details.
    void ShowGuestDetails();
    // The search dialog, then the search; the next match of the last text, false (and a message)
    // without one.
    void Search();
    bool FindNext(bool down);
    QMenu* BuildContextMenu(QWidget* parent);
    QString TipMarkup(int row) const;

    CGuest* SelectedGuest() const;

    CListCtrlEx* List() const { return m_list; }
    const CGiftListModel& Model() const { return m_model; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QLabel* ShekelsLabel() const { return m_shekels; }
    QLabel* DollarsLabel() const { return m_dollars; }
    QLabel* TotalLabel() const { return m_total; }
    QLabel* RateWarning() const { return m_warning; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void Refill();
    void RefreshSums();
    void FitColumns();
    void OnListContextMenu(int row, const QPoint& globalPos);

    CGiftListModel m_model;
    CListCtrlEx* m_list = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QLabel* m_shekels = nullptr;
    QLabel* m_dollars = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_warning = nullptr;
    bool m_activated = false;
    int m_lastFound = -1;
    QString m_searchText;
    bool m_searchUp = false;
};
