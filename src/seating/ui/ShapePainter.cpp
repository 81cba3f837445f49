#include "seating/ui/ShapePainter.h"

#include "seating/core/DesignTable.h"
#include "seating/core/SketchGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kHandle = 6;
constexpr int kTextMargin = 4;
// Laid-out texts kept before the cache starts anew.
constexpr int kMaxTexts = 4000;

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

void CShapePainter::DrawText(QPainter& painter, const QRect& rect, const QString& text)
{
    const QRect inner = rect.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    if (text.isEmpty() || inner.width() <= 0 || inner.height() <= 0)
        return;
    const QString key = text + QLatin1Char('\x1f') + QString::number(inner.width());
    auto laidOut = m_texts.find(key);
    if (laidOut == m_texts.end()) {
        if (m_texts.size() >= kMaxTexts)
            m_texts.clear();
        QStaticText staticText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).toHtmlEscaped()
                                   .replace(QLatin1Char('\n'), QLatin1String("<br>")));
        staticText.setTextFormat(Qt::RichText);
        staticText.setTextWidth(inner.width());
        QTextOption option(Qt::AlignHCenter);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        staticText.setTextOption(option);
        staticText.prepare(painter.transform(), painter.font());
        laidOut = m_texts.insert(key, staticText);
    }
    const int height = qMin(int(laidOut->size().height()), inner.height());
    painter.setPen(Qt::black);
    painter.save();
    painter.setClipRect(inner, Qt::IntersectClip);
    painter.drawStaticText(QPoint(inner.left(), inner.top() + (inner.height() - height) / 2), *laidOut);
    painter.restore();
}

void CShapePainter::DrawSpeaker(QPainter& painter, const QRect& rect, const QString& text)
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
