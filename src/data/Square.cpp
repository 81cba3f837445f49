#include "data/Square.h"

int CSquare::ShapeType() const
{
    return KindRectangle;
}
