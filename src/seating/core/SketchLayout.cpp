#include "seating/core/SketchLayout.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "seating/core/SketchGeometry.h"

#include <algorithm>

QList<CTable*> CSketchLayout::OrderedTables(CNewZelDoc& document)
{
    QList<CTable*> tables = document.Tables().mid(1);
    if (document.Settings().GetArrangeTableByHallNumber())
        std::stable_sort(tables.begin(), tables.end(),
                         [](const CTable* a, const CTable* b) { return a->GetHallNumber() < b->GetHallNumber(); });
    return tables;
}

std::vector<std::unique_ptr<CDesignTable>> CSketchLayout::TableShapes(CNewZelDoc& document, int skipSerial)
{
    std::vector<std::unique_ptr<CDesignTable>> shapes;
    const QList<CTable*> tables = OrderedTables(document);
    shapes.reserve(size_t(tables.size()));
    for (int index = 0; index < tables.size(); ++index) {
        const CTable& table = *tables[index];
        if (table.GetSerial() == skipSerial)
            continue;
        const CShape::Area& area = table.GetArea();
        const bool empty = area.Width() <= 0 || area.Height() <= 0;
        const CShape::Area place = empty ? CSketchGeometry::GridPlace(index) : CSketchGeometry::Normalized(area);
        shapes.push_back(std::make_unique<CDesignTable>(document, table, place));
    }
    return shapes;
}
