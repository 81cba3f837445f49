#pragma once

#include <QDialog>

class CGuest;
class IUserMessages;
class QCheckBox;
class QSpinBox;

// "ילדים": how many of the guest's people are children and whether they need a baby chair.
class CKidsDlg : public QDialog
{
    Q_OBJECT

public:
    CKidsDlg(CGuest& guest, IUserMessages* messages, QWidget* parent = nullptr);

    // Writes the accepted values into a guest; true when anything changed.
    bool WriteTo(CGuest& guest) const;
    QSpinBox* KidsField() const { return m_kids; }
    QCheckBox* ChairBox() const { return m_chair; }

public slots:
    // More children than people invited is refused and the dialog stays.
    void accept() override;

private:
    CGuest& m_guest;
    IUserMessages* m_messages;
    QSpinBox* m_kids;
    QCheckBox* m_chair;
};
