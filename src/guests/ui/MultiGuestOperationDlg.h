#pragma once

#include "guests/core/MultiGuestUpdate.h"

#include <QDialog>

class CNewZelDoc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;

// "שינוי מספר מוזמנים במקביל": the same values written into many guests at once. Each field has its
// own check box; only the checked fields are written, into every guest selected in the list.
class CMultiGuestOperationDlg : public QDialog
{
    Q_OBJECT

public:
    enum Field { FieldInvited, FieldComing, FieldGroup, FieldRelation, FieldInvitationSent, FieldStatus, FieldCount };

    explicit CMultiGuestOperationDlg(CNewZelDoc& document, QWidget* parent = nullptr);

    // The checked fields with their values.
    CMultiGuestUpdate Update() const;
    QList<CGuest*> SelectedGuests() const;

    QListWidget* List() const { return m_list; }
    QCheckBox* FieldBox(Field field) const { return m_use[field]; }
    QSpinBox* InvitedField() const { return m_invited; }
    QSpinBox* ComingField() const { return m_coming; }
    QComboBox* GroupCombo() const { return m_group; }
    QComboBox* RelationCombo() const { return m_relation; }
    QCheckBox* InvitationSentBox() const { return m_invitationSent; }
    QButtonGroup* StatusGroup() const { return m_status; }

public slots:
    // "עדכן": writes the update into the selected guests and closes.
    void accept() override;

private:
    CNewZelDoc& m_document;
    QListWidget* m_list;
    QCheckBox* m_use[FieldCount];
    QSpinBox* m_invited;
    QSpinBox* m_coming;
    QComboBox* m_group;
    QComboBox* m_relation;
    QCheckBox* m_invitationSent;
    QButtonGroup* m_status;
};
