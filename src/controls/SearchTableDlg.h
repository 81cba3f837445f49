#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// "חיפוש": a table text and a guest text with a direction; the caller searches.
class CSearchTableDlg : public QDialog
{
    Q_OBJECT

public:
    // guestOnly disables the table field; the focus goes to the table field only when asked and
    // the field is enabled, else to the guest field with its text selected.
    CSearchTableDlg(bool up, const QString& guestText, const QString& tableText, bool focusOnTable, bool guestOnly,
                    QWidget* parent = nullptr);

    QString GuestText() const;
    QString TableText() const;
    bool IsUp() const;

    QLineEdit* GuestField() const { return m_guest; }
    QLineEdit* TableField() const { return m_table; }
    QRadioButton* UpButton() const { return m_up; }
    QRadioButton* DownButton() const { return m_down; }
    QPushButton* SearchButton() const { return m_search; }

private:
    QLineEdit* m_table;
    QLineEdit* m_guest;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_search;
};
