#include "controls/TableMenuPlan.h"

namespace TableMenuPlan {

QList<Range> Ranges(int realTables, int maxTables)
{
    QList<Range> ranges;
    const int reachable = qMin(realTables, maxTables);
    for (int first = 1; first <= reachable; first += 10)
        ranges.append({first, qMin(first + 9, reachable), QStringLiteral("%1-%2").arg(first).arg(first + 9)});
    return ranges;
}

QString EntryText(int number, const QString& name)
{
    return QStringLiteral("%1 (%2)").arg(number).arg(name);
}

}
