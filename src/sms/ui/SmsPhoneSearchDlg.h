#pragma once

#include <QDialog>

class QLineEdit;

// The prefix and number a guest is searched by.
class CSmsPhoneSearchDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSmsPhoneSearchDlg(QWidget* parent = nullptr);

    QString Prefix() const;
    QString Number() const;
    QLineEdit* PrefixField() const { return m_prefix; }
    QLineEdit* NumberField() const { return m_number; }

private:
    QLineEdit* m_prefix;
    QLineEdit* m_number;
};
