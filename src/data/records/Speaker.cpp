#include "data/records/Speaker.h"

int CSpeaker::ShapeType() const
{
    return KindSpeaker;
}

CShape::Size CSpeaker::InitialSize() const
{
    return {60, 90};
}
