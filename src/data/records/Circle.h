#pragma once

#include "data/records/Shape.h"

// A circle of the hall sketch, with a text such as the dance floor or the bar.
class CCircle : public CShape
{
public:
    using CShape::CShape;
    int ShapeType() const override;
    Size InitialSize() const override;
};
