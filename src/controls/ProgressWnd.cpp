#include "controls/ProgressWnd.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QString kLoading = QStringLiteral("טוען נתונים...");
}

CProgressWnd::CProgressWnd(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("progress"));
    // A frameless window draws its own border.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_title = new QLabel(frame);
    m_title->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(frame);
    m_bar->setRange(0, 100);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(16, 12, 16, 12);
    inner->addWidget(m_title);
    inner->addWidget(m_bar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    // Wide enough for the usual titles; a longer one widens the window.
    setMinimumWidth(fontMetrics().averageCharWidth() * 45);
}

void CProgressWnd::Begin(const QString& title)
{
    m_title->setText(title.isEmpty() ? kLoading : title);
    setWindowTitle(m_title->text());
    m_bar->setValue(0);
    adjustSize();
    const QRect area = parentWidget() && parentWidget()->isVisible()
                           ? parentWidget()->window()->geometry()
                           : QApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    raise();
    Repaint();
}

void CProgressWnd::SetPercent(int percent)
{
    m_bar->setValue(qBound(0, percent, 100));
    Repaint();
}

void CProgressWnd::End()
{
    hide();
}

int CProgressWnd::Percent() const
{
    return m_bar->value();
}

void CProgressWnd::Repaint()
{
    if (isVisible())
        repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
