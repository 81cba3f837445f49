#include "controls/TableMenu.h"

#include "controls/TableMenuPlan.h"

#include "data/records/Table.h"

namespace {

const char* const kTableProperty = "tableNumber";

}

CTableMenu::CTableMenu(const QList<CTable*>& tables, int checkedTable, int maxTables, QWidget* parent)
    : QMenu(parent)
{
    m_unseated = AddTableEntry(this, QStringLiteral("בילתי משובצים"), 0, checkedTable);
    const int realTables = qMax(0, int(tables.size()) - 1);
    for (const TableMenuPlan::Range& range : TableMenuPlan::Ranges(realTables, maxTables)) {
        QMenu* sub = addMenu(range.caption);
        for (int number = range.first; number <= range.last; ++number)
            AddTableEntry(sub, TableMenuPlan::EntryText(number, tables[number]->GetName()), number, checkedTable);
        m_subMenus.append(sub);
    }
}

QAction* CTableMenu::AddTableEntry(QMenu* menu, const QString& text, int number, int checkedTable)
{
    QAction* action = menu->addAction(text);
    action->setProperty(kTableProperty, number);
    action->setCheckable(true);
    action->setChecked(number == checkedTable);
    return action;
}

int CTableMenu::TableOf(const QAction* action)
{
    if (!action)
        return -1;
    const QVariant number = action->property(kTableProperty);
    return number.isValid() ? number.toInt() : -1;
}
