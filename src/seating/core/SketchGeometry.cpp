#include "seating/core/SketchGeometry.h"

#include <algorithm>

namespace {

constexpr int kGridColumns = 12;
constexpr int kGridPitch = 130;
constexpr int kGridMargin = 40;
constexpr int kTableSize = 100;

// A move of an edge by change from size, towards the limits but never past them, nor further
// away when the size already lies outside.
int LimitedSize(int size, int change)
{
    const int wanted = size + change;
    if (change < 0)
        return std::max(wanted, std::min(size, CSketchGeometry::kMinSize));
    return std::min(wanted, std::max(size, CSketchGeometry::kMaxSize));
}

}

int CSketchGeometry::SizeWithin(int size)
{
    return std::clamp(size, kMinSize, kMaxSize);
}

CSketchGeometry::Area CSketchGeometry::OnCanvas(const Area& area)
{
    const int width = area.Width();
    const int height = area.Height();
    const int left = std::clamp(area.left, 0, std::max(0, kCanvasSize - width));
    const int top = std::clamp(area.top, 0, std::max(0, kCanvasSize - height));
    return {left, top, left + width, top + height};
}

CSketchGeometry::Area CSketchGeometry::Grown(const Area& area, int step)
{
    step = std::min({step, (kMaxSize - area.Width()) / 2, (kMaxSize - area.Height()) / 2});
    if (step <= 0)
        return area;
    return OnCanvas({area.left - step, area.top - step, area.right + step, area.bottom + step});
}

CSketchGeometry::Area CSketchGeometry::Shrunk(const Area& area, int step)
{
    step = std::min({step, (area.Width() - kMinSize) / 2, (area.Height() - kMinSize) / 2});
    if (step <= 0)
        return area;
    return {area.left + step, area.top + step, area.right - step, area.bottom - step};
}

CSketchGeometry::Area CSketchGeometry::Resized(const Area& area, int widthChange, int topChange)
{
    int width = LimitedSize(area.Width(), widthChange);
    if (widthChange > 0)
        width = std::max(area.Width(), std::min(width, kCanvasSize - area.left));
    int height = LimitedSize(area.Height(), -topChange);
    if (topChange < 0)
        height = std::max(area.Height(), std::min(height, area.bottom));
    return {area.left, area.bottom - height, area.left + width, area.bottom};
}

CSketchGeometry::Area CSketchGeometry::Moved(const Area& area, int dx, int dy)
{
    return OnCanvas({area.left + dx, area.top + dy, area.right + dx, area.bottom + dy});
}

CSketchGeometry::Area CSketchGeometry::Sized(const Area& area, int width, int height)
{
    return OnCanvas({area.left, area.top, area.left + SizeWithin(width), area.top + SizeWithin(height)});
}

CSketchGeometry::Area CSketchGeometry::AroundCentre(const Area& area, Size size)
{
    const int width = SizeWithin(size.width);
    const int height = SizeWithin(size.height);
    const int left = area.left + area.Width() / 2 - width / 2;
    const int top = area.top + area.Height() / 2 - height / 2;
    return OnCanvas({left, top, left + width, top + height});
}

CSketchGeometry::Area CSketchGeometry::Normalized(const Area& area)
{
    return Sized(area, area.Width(), area.Height());
}

CSketchGeometry::Area CSketchGeometry::GridPlace(int index)
{
    index = std::max(index, 0);
    const int left = kGridMargin + (index % kGridColumns) * kGridPitch;
    const int top = kGridMargin + (index / kGridColumns) * kGridPitch;
    return OnCanvas({left, top, left + kTableSize, top + kTableSize});
}

CSketchGeometry::Area CSketchGeometry::NewShapePlace(Size size)
{
    return Sized({kGridMargin, kGridMargin, kGridMargin, kGridMargin}, size.width, size.height);
}

bool CSketchGeometry::IsValid(const Area& area)
{
    return area.Width() == SizeWithin(area.Width()) && area.Height() == SizeWithin(area.Height()) &&
           OnCanvas(area) == area;
}
