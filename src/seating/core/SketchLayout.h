#pragma once

#include "seating/core/DesignTable.h"

#include <QList>

#include <memory>
#include <vector>

class CNewZelDoc;
class CTable;

// The tables of the sketch: every real table (not the unseated guests' table 0), in table order or,
// when the event arranges tables by hall number, in hall-number order.
class CSketchLayout
{
public:
    static QList<CTable*> OrderedTables(CNewZelDoc& document);
    // One shape per table in that order; a table without a rectangle stands at its place on the
    // initial grid. The table with the serial skipSerial (one about to be deleted) is left out.
    static std::vector<std::unique_ptr<CDesignTable>> TableShapes(CNewZelDoc& document, int skipSerial = -1);
};
