#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the modal dialogs and popup menus a test opens, one step per window in the order they
// appear. A step that is not used by the end of the test is a failure the test can check.
class CModalScript
{
public:
    using Step = std::function<void(QWidget* window)>;

    CModalScript()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    void Then(Step step) { m_steps.append(std::move(step)); }
    int Pending() const { return int(m_steps.size()); }

private:
    void Poll()
    {
        QWidget* window = QApplication::activePopupWidget();
        if (!window)
            window = QApplication::activeModalWidget();
        if (!window || window == m_last || m_steps.isEmpty())
            return;
        m_last = window;
        // The step runs on its own, outside this timer, so that a window it opens in turn is
        // polled for as well.
        QTimer::singleShot(0, window, [step = m_steps.takeFirst(), window] { step(window); });
    }

    QTimer m_timer;
    QList<Step> m_steps;
    QPointer<QWidget> m_last;
};
