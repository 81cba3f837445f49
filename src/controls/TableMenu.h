#pragma once

#include <QList>
#include <QMenu>

class CTable;

// A popup that seats guests: "בילתי משובצים" (table 0), then the tables in sub-menus of ten, each
// entry "%d (%s)", the given table checked. Callers add their own entries below.
class CTableMenu : public QMenu
{
    Q_OBJECT

public:
    CTableMenu(const QList<CTable*>& tables, int checkedTable, int maxTables, QWidget* parent = nullptr);

    // The table number an entry seats at, or -1 for any other entry.
    static int TableOf(const QAction* action);
    QAction* UnseatedAction() const { return m_unseated; }
    const QList<QMenu*>& SubMenus() const { return m_subMenus; }

private:
    QAction* AddTableEntry(QMenu* menu, const QString& text, int number, int checkedTable);

    QAction* m_unseated;
    QList<QMenu*> m_subMenus;
};
