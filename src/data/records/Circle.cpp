#include "data/records/Circle.h"

int CCircle::ShapeType() const
{
    return KindCircle;
}
