#include "data/records/Circle.h"

int CCircle::ShapeType() const
{
    return KindCircle;
}

CShape::Size CCircle::InitialSize() const
{
    return {100, 100};
}
