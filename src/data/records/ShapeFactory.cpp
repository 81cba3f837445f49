#include "data/records/ShapeFactory.h"

#include "data/records/Circle.h"
#include "data/records/Speaker.h"
#include "data/records/Square.h"
#include "data/storage/IniFile.h"

#include <QRegularExpression>

#include <algorithm>
#include <memory>

namespace {

// The numbers of the "Shapes<n>" sections, ascending: a shape deleted in an older version left a
// gap in the numbering, so the file is not read up to its first missing section.
QList<int> ShapeSections(const CIniFile& file)
{
    static const QRegularExpression name(QStringLiteral("^shapes(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<int> numbers;
    for (const QString& section : file.SectionNames()) {
        const QRegularExpressionMatch match = name.match(section);
        bool ok = false;
        const int number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (ok && !numbers.contains(number))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}

CShape* CShapeFactory::Create(int kind, CRecordCounters* counters)
{
    switch (kind) {
    case CShape::KindRectangle:
        return new CSquare(counters);
    case CShape::KindCircle:
        return new CCircle(counters);
    case CShape::KindSpeaker:
        return new CSpeaker(counters);
    default:
        return nullptr;
    }
}

QList<CShape*> CShapeFactory::LoadAllIni(const CIniFile& file, CRecordCounters* counters)
{
    QList<CShape*> shapes;
    for (int number : ShapeSections(file)) {
        const QString section = CShape::kPrefix + QString::number(number);
        std::unique_ptr<CShape> shape(Create(file.GetInt(section, QStringLiteral("ShapeType"), 0), counters));
        if (!shape)
            continue;
        if (!shape->LoadIni(file, section)) {
            shape->ReleaseId();
            continue;
        }
        shapes.append(shape.release());
    }
    return shapes;
}
