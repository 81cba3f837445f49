#pragma once

#include <QColor>
#include <QHash>
#include <QRect>
#include <QStaticText>

class CShape;
class QPainter;

// How each kind of sketch shape is drawn: its outline filled with its colour, its text inside, a
// table's number above its name, the loudspeaker's symbol, and the frame and handles of a selected
// shape. The texts are laid out once and kept, so a redraw of the whole sketch only paints.
class CShapePainter
{
public:
    // The rectangle a shape is drawn in and hit in, kept within the sketch's rules.
    static QRect DisplayRect(const CShape& shape);
    // A COLORREF (0x00BBGGRR) as a colour.
    static QColor FromColorRef(int color);
    static int ToColorRef(const QColor& color);
    void Draw(QPainter& painter, const CShape& shape, bool selected);

private:
    void DrawText(QPainter& painter, const QRect& rect, const QString& text);
    void DrawSpeaker(QPainter& painter, const QRect& rect, const QString& text);

    QHash<QString, QStaticText> m_texts;
};
