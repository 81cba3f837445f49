#include "data/Circle.h"

int CCircle::ShapeType() const
{
    return KindCircle;
}
