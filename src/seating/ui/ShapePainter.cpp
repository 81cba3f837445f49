#include "seating/ui/ShapePainter.h"

#include "seating/core/DesignTable.h"
#include "seating/core/SketchGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kHandle = 6;
constexpr int kTextMargin = 4;

void DrawText(QPainter& painter, const QRect& rect, const QString& text)
{
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin),
                     Qt::AlignCenter | Qt::TextWordWrap, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void DrawSpeaker(QPainter& painter, const QRect& rect, const QString& text)
{
    // The symbol takes the upper part, a magnet box and its cone; the text sits below.
    const int symbolHeight = rect.height() * 3 / 5;
    const QRect symbol(rect.left(), rect.top(), rect.width(), symbolHeight);
    const int boxWidth = symbol.width() / 4;
    const int boxTop = symbol.top() + symbol.height() / 3;
    const QRect box(symbol.left() + symbol.width() / 5, boxTop, boxWidth, symbol.height() / 3);
    painter.drawRect(box);
    QPainterPath cone;
    cone.moveTo(box.right(), box.top());
    cone.lineTo(symbol.right() - symbol.width() / 8, symbol.top() + 2);
    cone.lineTo(symbol.right() - symbol.width() / 8, symbol.bottom() - 2);
    cone.lineTo(box.right(), box.bottom());
    cone.closeSubpath();
    painter.drawPath(cone);
    DrawText(painter, QRect(rect.left(), symbol.bottom(), rect.width(), rect.height() - symbolHeight), text);
}

void DrawSelection(QPainter& painter, const QRect& rect)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
    painter.drawRect(rect.adjusted(-2, -2, 2, 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 90, 200));
    for (const QPoint& corner : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
        painter.drawRect(QRect(corner - QPoint(kHandle / 2, kHandle / 2), QSize(kHandle, kHandle)));
}

}

QRect CShapePainter::DisplayRect(const CShape& shape)
{
    const CShape::Area area = CSketchGeometry::Normalized(shape.GetArea());
    return QRect(QPoint(area.left, area.top), QSize(area.Width(), area.Height()));
}

QColor CShapePainter::FromColorRef(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int CShapePainter::ToColorRef(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void CShapePainter::Draw(QPainter& painter, const CShape& shape, bool selected)
{
    const QRect rect = DisplayRect(shape);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(FromColorRef(shape.GetColor()));
    switch (shape.ShapeType()) {
    case CShape::KindTable: {
        const auto& table = static_cast<const CDesignTable&>(shape);
        if (table.GetDrawStyle() == 1)
            painter.drawRoundedRect(rect, 8, 8);
        else
            painter.drawEllipse(rect);
        DrawText(painter, rect, table.NumberText() + QLatin1Char('\n') + table.GetName());
        break;
    }
    case CShape::KindCircle:
        painter.drawEllipse(rect);
        DrawText(painter, rect, shape.GetName());
        break;
    case CShape::KindSpeaker:
        DrawSpeaker(painter, rect, shape.GetName());
        break;
    default:
        painter.drawRect(rect);
        DrawText(painter, rect, shape.GetName());
        break;
    }
    if (selected)
        DrawSelection(painter, rect);
}
