#pragma once

#include "guests/ui/GuestInfoTabBase.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

// "פרטי המוזמן": names, contact details, group and relation, the counts, the status and the
// table. Leaving a guest whose full name is empty or taken is refused with a balloon.
class CGuestInfoTab1 : public CGuestInfoTabBase
{
    Q_OBJECT

public:
    // The seat-at-table menu reaches tables 1 to 100.
    static constexpr int kSeatMenuTables = 100;

    explicit CGuestInfoTab1(CNewZelDoc& document, QWidget* parent = nullptr);

    QString Title() const override;
    void ShowGuest(CGuest* guest) override;
    bool Validate() override;

    // The choices of the combos, which a new guest takes over.
    QString GroupText() const;
    QString RelationText() const;
    void RefillGroups();
    // The guest's table changed elsewhere.
    void RefreshTable();
    // Writes a table number into the field and checks it as when the field is left.
    void SeatAt(int table);
    // Puts the caret into the first-names field with its text selected.
    void FocusNames();

    QLineEdit* NamesField() const { return m_names; }
    QLineEdit* FamilyField() const { return m_family; }
    QLineEdit* PhoneField() const { return m_phone; }
    QLineEdit* MobileField() const { return m_mobile; }
    QLineEdit* EmailField() const { return m_email; }
    QPlainTextEdit* AddressField() const { return m_address; }
    QPlainTextEdit* NotesField() const { return m_notes; }
    QComboBox* GroupCombo() const { return m_group; }
    QComboBox* RelationCombo() const { return m_relation; }
    QSpinBox* InvitedField() const { return m_invited; }
    QSpinBox* ComingField() const { return m_coming; }
    QPushButton* KidsButton() const { return m_kids; }
    QRadioButton* StatusButton(int status) const;
    QLineEdit* TableField() const { return m_table; }
    QLineEdit* HallField() const { return m_hall; }
    QPushButton* SeatButton() const { return m_seat; }
    QToolButton* PhoneButton() const { return m_phoneButton; }
    QToolButton* MobileButton() const { return m_mobileButton; }

private:
    void BuildLayout();
    void ConnectFields();
    void OnNamesEdited();
    void OnInvitedChanged(int invited);
    void OnComingChanged(int coming);
    void OnStatusClicked(int status);
    void CheckTableNumber();
    void ShowSeatMenu();
    void EditKids();
    void OpenPhoneDirectory();
    void ShowCounts();
    void ShowStatus();
    void ShowTableFields();
    void SelectGroupOf(CGuest& guest);

    QLineEdit* m_names;
    QLineEdit* m_family;
    QLineEdit* m_phone;
    QToolButton* m_phoneButton;
    QLineEdit* m_mobile;
    QToolButton* m_mobileButton;
    QLineEdit* m_email;
    QPlainTextEdit* m_address;
    QPlainTextEdit* m_notes;
    QComboBox* m_group;
    QToolButton* m_addGroup;
    QComboBox* m_relation;
    QSpinBox* m_invited;
    QSpinBox* m_coming;
    QPushButton* m_kids;
    QGroupBox* m_statusBox;
    QButtonGroup* m_status;
    QLineEdit* m_table;
    QLineEdit* m_hall;
    QPushButton* m_seat;
    bool m_checkingTable = false;
};
