#pragma once

#include "data/records/Shape.h"

// The size and place rules of the hall sketch. Every change of a shape's rectangle passes here, so
// no shape gets a width or height outside kMinSize … kMaxSize, and none leaves the canvas.
class CSketchGeometry
{
public:
    using Area = CShape::Area;
    using Size = CShape::Size;

    static constexpr int kMinSize = 60;
    static constexpr int kMaxSize = 3000;
    // The canvas runs from 0 to this on both axes.
    static constexpr int kCanvasSize = 8000;
    // Arrow keys and Shift+arrows, the keypad's + and −, and the offset of a copy.
    static constexpr int kKeyStep = 3;
    static constexpr int kGrowStep = 2;
    static constexpr int kCopyOffset = 20;

    // Every side out (grow) or in (shrink) by step, the step lowered to stay within the limits;
    // the area unchanged when nothing is left of it. A grown shape at the canvas edge is pushed
    // back onto the canvas.
    static Area Grown(const Area& area, int step);
    static Area Shrunk(const Area& area, int step);
    // Shift+arrows: the right edge moves by widthChange; the top edge by topChange (up makes the
    // shape taller). A size already outside the limits only moves towards them.
    static Area Resized(const Area& area, int widthChange, int topChange);
    // Moved by dx and dy, stopping at the canvas edges.
    static Area Moved(const Area& area, int dx, int dy);
    // The size typed for a shape, brought within the limits, from the same corner.
    static Area Sized(const Area& area, int width, int height);
    // A rectangle of the given size around the area's centre.
    static Area AroundCentre(const Area& area, Size size);
    // Any rectangle (one read from a file, an empty one) made a valid shape rectangle.
    static Area Normalized(const Area& area);
    // The place of the index-th table shape on the initial grid.
    static Area GridPlace(int index);
    // Where a new shape of that size appears.
    static Area NewShapePlace(Size size);
    // Whether a rectangle keeps every rule.
    static bool IsValid(const Area& area);

private:
    static int SizeWithin(int size);
    static Area OnCanvas(const Area& area);
};
