#pragma once

#include "data/records/Shape.h"

class CNewZelDoc;
class CTable;

// A table on the hall sketch. It is bound to its table record by serial, never by pointer, so a
// table deleted by any route leaves nothing dangling: Table() is then null and every change is
// refused. Changes go on to the table record: the rectangle to its area, the colour, the drawing
// style, the text to its name and the class to its shape class.
class CDesignTable : public CShape
{
public:
    // The shape shows the table's own values; place is where it stands on the sketch (the table's
    // area, or its place on the initial grid while that area is empty).
    CDesignTable(CNewZelDoc& document, const CTable& table, const Area& place);

    int ShapeType() const override { return KindTable; }
    Size InitialSize() const override;
    bool IsTable() const override { return true; }
    bool IsStored() const override { return false; }

    // The table record, or null once it is gone.
    CTable* Table() const;
    int TableSerial() const { return m_serial; }
    int TableNumber() const { return m_number; }
    // "שולחן %d" with the table's number.
    QString NumberText() const;

    bool SetName(const QString& name) override;
    bool SetColor(int color) override;
    bool SetShapeClass(const QString& shapeClass) override;
    bool SetArea(const Area& area) override;
    bool SetDrawStyle(int drawStyle) override;
    int GetDrawStyle() const override { return m_drawStyle; }

private:
    CNewZelDoc& m_document;
    int m_serial;
    int m_number;
    int m_drawStyle;
};
