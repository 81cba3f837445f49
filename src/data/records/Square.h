#pragma once

#include "data/records/Shape.h"

// A rectangle of the hall sketch, with a text such as the dance floor or the bar.
class CSquare : public CShape
{
public:
    using CShape::CShape;
    int ShapeType() const override;
    Size InitialSize() const override;
};
