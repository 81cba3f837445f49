#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// "בחירת מוזמנים": picks any number of guests from a list of full names.
class CSelectGuestsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSelectGuestsDlg(const QStringList& names, QWidget* parent = nullptr);

    // The names picked, in the list's order.
    QStringList SelectedNames() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
