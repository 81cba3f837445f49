#include "seating/core/DesignTable.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"

CDesignTable::CDesignTable(CNewZelDoc& document, const CTable& table, const Area& place)
    : m_document(document)
    , m_serial(table.GetSerial())
    , m_number(table.GetId())
    , m_drawStyle(table.GetDrawStyle())
{
    CShape::SetName(table.GetName());
    CShape::SetColor(table.GetColor());
    CShape::SetShapeClass(table.GetShapeClass());
    CShape::SetArea(place);
    ClearFlags();
}

CShape::Size CDesignTable::InitialSize() const
{
    return {100, 100};
}

CTable* CDesignTable::Table() const
{
    return m_document.FindTableBySerial(m_serial);
}

QString CDesignTable::NumberText() const
{
    return QStringLiteral("שולחן %1").arg(m_number);
}

bool CDesignTable::SetName(const QString& name)
{
    CTable* table = Table();
    return table && table->SetName(name) && CShape::SetName(name);
}

bool CDesignTable::SetColor(int color)
{
    CTable* table = Table();
    return table && table->SetColor(color) && CShape::SetColor(color);
}

bool CDesignTable::SetShapeClass(const QString& shapeClass)
{
    CTable* table = Table();
    return table && table->SetShapeClass(shapeClass) && CShape::SetShapeClass(shapeClass);
}

bool CDesignTable::SetArea(const Area& area)
{
    CTable* table = Table();
    if (!table)
        return false;
    // An empty area stands for the initial grid: the shape may already show this place.
    const bool tableChanged = table->SetArea(area);
    return CShape::SetArea(area) || tableChanged;
}

bool CDesignTable::SetDrawStyle(int drawStyle)
{
    CTable* table = Table();
    if (!table || (drawStyle != 0 && drawStyle != 1) || !table->SetDrawStyle(drawStyle))
        return false;
    m_drawStyle = drawStyle;
    return true;
}
