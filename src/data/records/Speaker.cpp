#include "data/records/Speaker.h"

int CSpeaker::ShapeType() const
{
    return KindSpeaker;
}
