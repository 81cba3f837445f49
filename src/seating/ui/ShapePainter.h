#pragma once

#include <QColor>
#include <QRect>

class CShape;
class QPainter;

// How each kind of sketch shape is drawn: its outline filled with its colour, its text inside, a
// table's number above its name, the loudspeaker's symbol, and the frame and handles of a selected
// shape.
class CShapePainter
{
public:
    // The rectangle a shape is drawn in and hit in, kept within the sketch's rules.
    static QRect DisplayRect(const CShape& shape);
    // A COLORREF (0x00BBGGRR) as a colour.
    static QColor FromColorRef(int color);
    static int ToColorRef(const QColor& color);
    static void Draw(QPainter& painter, const CShape& shape, bool selected);
};
