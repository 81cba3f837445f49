#pragma once

#include "seating/core/ArrivalEdits.h"
#include "seating/ui/ArrivalGuestsModel.h"
#include "seating/ui/ArrivalTablesModel.h"

#include "controls/GenericView.h"

class CListCtrlEx;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The page of the wedding day: the arriving guest is found by name, how many came is recorded,
// the guest is seated elsewhere when the table is full, and the tables with seats left are in view.
class CRealTimeView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 14;

    explicit CRealTimeView(CNewZelDoc& document, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;

    // The arrival of the selected guest, through the count and table dialogs.
    void GuestArrived();
    void AddWalkIn();
    void RefillGuests();
    void RefillTables();

    CGuest* SelectedGuest() const;
    CListCtrlEx* TablesList() const { return m_tables; }
    CListCtrlEx* GuestsList() const { return m_guests; }
    const CArrivalTablesModel& TableModel() const { return m_tableModel; }
    const CArrivalGuestsModel& GuestModel() const { return m_guestModel; }
    QLineEdit* NameField() const { return m_name; }
    QLineEdit* FamilyField() const { return m_family; }
    QCheckBox* OnlyNotArrivedBox() const { return m_onlyNotArrived; }
    QCheckBox* OnlyWithSeatsBox() const { return m_onlyWithSeats; }
    QPushButton* ArrivedButton() const { return m_arrived; }
    QPushButton* WalkInButton() const { return m_walkIn; }

private:
    void BuildLayout();
    // The table chosen, the guest's own when it keeps it, or -1 when the arrival is given up.
    int ChooseTable(const CGuest& guest, int count);
    void ShowRecorded(CGuest& guest);
    void ClearLists();

    CArrivalEdits m_rules;
    CArrivalTablesModel m_tableModel;
    CArrivalGuestsModel m_guestModel;
    CListCtrlEx* m_tables = nullptr;
    CListCtrlEx* m_guests = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_family = nullptr;
    QCheckBox* m_onlyNotArrived = nullptr;
    QCheckBox* m_onlyWithSeats = nullptr;
    QPushButton* m_arrived = nullptr;
    QPushButton* m_walkIn = nullptr;
    // The number of the table last marked, kept selected across refills.
    int m_markedTable = -1;
};
