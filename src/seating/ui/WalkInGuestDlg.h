#pragma once

#include <QDialog>

class QLineEdit;

// "הוספת מוזמן שלא מופיע ברשימות": the names of a guest who came without being on any list.
class CWalkInGuestDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CWalkInGuestDlg(QWidget* parent = nullptr);

    QString Name() const;
    QString FamilyName() const;
    QLineEdit* NameField() const { return m_name; }
    QLineEdit* FamilyField() const { return m_family; }

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_family = nullptr;
};
