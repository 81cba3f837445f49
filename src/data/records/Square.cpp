#include "data/records/Square.h"

int CSquare::ShapeType() const
{
    return KindRectangle;
}

CShape::Size CSquare::InitialSize() const
{
    return {150, 100};
}
