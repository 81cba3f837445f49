#include "controls/BalloonTip.h"

#include "controls/MarkupTooltip.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const int kShowMs = 6000;
QPointer<CBalloonTip> g_current;

}

CBalloonTip::CBalloonTip(QWidget* anchor, const QString& markup)
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_markup(markup)
    , m_anchor(anchor)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::RichText);
    setText(CMarkupTooltip::ToHtml(markup));
    setLayoutDirection(anchor->layoutDirection());
    setContentsMargins(10, 16, 10, 8);
    setFont(QApplication::font("QTipLabel"));
    adjustSize();
    const QPoint below = anchor->mapToGlobal(QPoint(qMin(anchor->width() / 2, 24), anchor->height()));
    move(anchor->layoutDirection() == Qt::RightToLeft ? below - QPoint(width() - 24, 0) : below - QPoint(24, 0));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    m_timer.start(kShowMs);
    qApp->installEventFilter(this);
}

void CBalloonTip::ShowUnder(QWidget* anchor, const QString& markup)
{
    HideCurrent();
    if (!anchor)
        return;
    g_current = new CBalloonTip(anchor, markup);
    g_current->show();
}

void CBalloonTip::HideCurrent()
{
    if (g_current)
        g_current->close();
    g_current = nullptr;
}

CBalloonTip* CBalloonTip::Current()
{
    return g_current;
}

bool CBalloonTip::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        close();
        break;
    default:
        break;
    }
    return false;
}

void CBalloonTip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A rounded box with a small peak pointing up at the field.
    const QRectF box = QRectF(rect()).adjusted(0.5, 8.5, -0.5, -0.5);
    const qreal peak = layoutDirection() == Qt::RightToLeft ? box.right() - 24 : box.left() + 24;
    QPainterPath path;
    path.addRoundedRect(box, 6, 6);
    QPainterPath arrow;
    arrow.moveTo(peak - 8, box.top());
    arrow.lineTo(peak, 0.5);
    arrow.lineTo(peak + 8, box.top());
    arrow.closeSubpath();
    path = path.united(arrow);
    painter.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(path);
    QLabel::paintEvent(event);
}
