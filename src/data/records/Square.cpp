#include "data/records/Square.h"

int CSquare::ShapeType() const
{
    return KindRectangle;
}
