#include "data/StringTable.h"

#include <QHash>

namespace {

const QHash<int, QString>& Table()
{
    static const QHash<int, QString> table = {
        {59404, QStringLiteral("אושר")},
        {59416, QStringLiteral("מוזמנים שאינם משובצים")},
        {59444, QStringLiteral("כן")},
        {59445, QStringLiteral("לא")},
        {59463, QStringLiteral("שמירת נתונים")},
        {59509, QStringLiteral("חברים מהצבא - דוגמה")},
        {59557, QStringLiteral("לא ידוע")},
        {59576, QStringLiteral("חלקית")},
        {59606, QStringLiteral(" (כלה) ")},
        {59607, QStringLiteral(" (חתן) ")},
        {59608, QStringLiteral("קיטרינגים")},
        {59609, QStringLiteral("צלמים")},
        {59610, QStringLiteral("תקליטנים")},
        {59611, QStringLiteral("להקות")},
        {59707, QStringLiteral("לא באים")},
        {59801, QStringLiteral("ברוכים הבאים")},
        {59802, QStringLiteral("שולחן")},
        {59803, QStringLiteral("לכבוד")},
        {59805, QStringLiteral("שם מוזמן לא הוקלד")},
        {59808, QStringLiteral("משימות")},
        {59836, QStringLiteral("החתונה של %s ו%s")},
        {59839, QStringLiteral("ארוע")},
    };
    return table;
}

}

namespace StringTable {

QString Get(int id)
{
    return Table().value(id);
}

bool Has(int id)
{
    return Table().contains(id);
}

}

QString StringTable::Fill(const QString& format, const QStringList& args)
{
    QString result;
    result.reserve(format.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const QChar kind = format[i + 1];
        if (kind == u'%') {
            result += u'%';
            ++i;
        } else if (kind == u's' || kind == u'd') {
            if (next < args.size())
                result += args[next];
            ++next;
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
