#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

// A balloon under a field that tells the user why the field holds them up. It shows tool-tip
// markup, stays until a key or mouse button is pressed or a few seconds pass, and only one is
// shown at a time.
class CBalloonTip : public QLabel
{
    Q_OBJECT

public:
    static void ShowUnder(QWidget* anchor, const QString& markup);
    static void HideCurrent();
    // The balloon showing now, or null.
    static CBalloonTip* Current();

    const QString& Markup() const { return m_markup; }
    QWidget* Anchor() const { return m_anchor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CBalloonTip(QWidget* anchor, const QString& markup);

    QString m_markup;
    QPointer<QWidget> m_anchor;
    QTimer m_timer;
};
