#include "app/ui/TypingHook.h"

#include "app/ui/MainFrame.h"
#include "controls/CommandIds.h"
#include "data/document/NewZelDoc.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdio>

namespace {

constexpr int kGuestsPage = 3;

}

CTypingHook::CTypingHook(CMainFrame& frame, int count, int intervalMs)
    : QObject(&frame)
    , m_frame(frame)
    , m_count(count)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CTypingHook::TypeNext);
}

bool CTypingHook::ParseSetting(const QString& setting, int& count, int& intervalMs)
{
    const QStringList words = setting.split(QLatin1Char(','));
    bool countOk = false;
    bool intervalOk = false;
    if (words.size() != 2)
        return false;
    count = words[0].trimmed().toInt(&countOk);
    intervalMs = words[1].trimmed().toInt(&intervalOk);
    return countOk && intervalOk && count >= 0 && intervalMs > 0;
}

QString CTypingHook::GuestName(int number)
{
    return QStringLiteral("Typed%1").arg(number, 4, 10, QLatin1Char('0'));
}

void CTypingHook::Start()
{
    m_frame.ShowPage(kGuestsPage);
    m_timer.start();
}

void CTypingHook::TypeNext()
{
    if (m_typed >= m_count) {
        m_timer.stop();
        m_frame.close();
        return;
    }
    m_frame.RouteCommand(ID_OBJECT_ADD);
    const QString name = GuestName(++m_typed);
    TypeText(name);
    // Printed only once the document holds the guest by that name.
    if (m_frame.Document().FindGuestByFullName(name)) {
        std::printf("typed %s\n", name.toUtf8().constData());
        std::fflush(stdout);
    }
}

void CTypingHook::TypeText(const QString& text)
{
    // The add command leaves the focus in the new guest's names field, its text selected.
    QWidget* field = m_frame.focusWidget();
    if (!field)
        return;
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}
