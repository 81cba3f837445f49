#pragma once

#include "controls/NumberSpinEdit.h"

#include <QDialog>
#include <QStringList>

class CNewZelDoc;
class IUserMessages;
class QLineEdit;
class QListWidget;

// "פרטי השולחן": the name, seats and place in the hall of a new or an existing table, with the
// names of the groups to borrow a name from.
class CTableDlg : public QDialog
{
    Q_OBJECT

public:
    struct Values
    {
        QString name;
        int seats = 10;
        int hallNumber = 1;
    };

    // tableNumber is the edited table's number, or -1 for a new table.
    CTableDlg(const QStringList& groups, const Values& values, int tableNumber, IUserMessages* messages,
              QWidget* parent = nullptr);

    // The values entered; an empty name reads as "לא משויך".
    Values GetValues() const;
    static QString DefaultName();
    // Shows the dialog until the values are accepted with a hall number that is free for the
    // table; false when the user cancels.
    static bool Run(CNewZelDoc& document, Values& values, int tableNumber, QWidget* parent);

    QLineEdit* NameField() const { return m_name; }
    CNumberSpinEdit* SeatsField() const { return m_seats; }
    CNumberSpinEdit* HallField() const { return m_hall; }
    QListWidget* GroupList() const { return m_groups; }

public slots:
    void accept() override;

private:
    IUserMessages* m_messages;
    int m_maxSeats;
    QLineEdit* m_name;
    CNumberSpinEdit* m_seats;
    CNumberSpinEdit* m_hall;
    QListWidget* m_groups;
};
