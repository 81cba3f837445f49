#pragma once

#include <QList>
#include <QString>

// The layout of a menu that seats guests: the entry of the unseated list, then one sub-menu per ten
// tables ("1-10", "11-20", ...), only as many as the real tables need and no more than the menu
// allows.
namespace TableMenuPlan {

struct Range
{
    int first;
    int last;     // the last table of the range that exists
    QString caption;
};

// realTables counts the tables after table 0; maxTables is the last table the menu can reach.
QList<Range> Ranges(int realTables, int maxTables);
// An entry's text: "%d (%s)" with the table's number and name.
QString EntryText(int number, const QString& name);

}
