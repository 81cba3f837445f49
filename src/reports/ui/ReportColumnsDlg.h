#pragma once

#include <QDialog>
#include <QList>

class QListWidget;

// "בחר עמודות": which columns a guest list report shows, each checked or not, in the fixed order.
class CReportColumnsDlg : public QDialog
{
    Q_OBJECT

public:
    CReportColumnsDlg(const QList<int>& columns, QWidget* parent = nullptr);

    // The checked columns in their order; the defaults when none is checked.
    QList<int> Columns() const;
    QListWidget* List() const { return m_list; }

private:
    QListWidget* m_list;
};
