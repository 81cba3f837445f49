#pragma once

#include "data/document/ProgressReporter.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// A small window with a progress bar, shown centred while an event loads or saves. The work runs
// on the user-interface thread, so every step repaints the window before the work goes on.
class CProgressWnd : public QWidget, public IProgressReporter
{
    Q_OBJECT

public:
    explicit CProgressWnd(QWidget* parent = nullptr);

    void Begin(const QString& title) override;
    void SetPercent(int percent) override;
    void End() override;

    int Percent() const;

private:
    void Repaint();

    QLabel* m_title;
    QProgressBar* m_bar;
};
