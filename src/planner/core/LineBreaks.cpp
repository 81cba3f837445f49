#include "planner/core/LineBreaks.h"

QString LineBreaks::ForEditing(const QString& stored)
{
    QString text = stored;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString LineBreaks::ForStoring(const QString& edited)
{
    return ForEditing(edited).replace(u'\n', QStringLiteral("\r\n"));
}
