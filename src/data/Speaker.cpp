#include "data/Speaker.h"

int CSpeaker::ShapeType() const
{
    return KindSpeaker;
}
