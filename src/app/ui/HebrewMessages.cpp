#include "app/ui/HebrewMessages.h"

#include "app/ui/HebrewMsg.h"

#include <QApplication>
#include <QCursor>

int CHebrewMessages::MessageByText(const QString& text, const QString& caption, int buttons, const QRect& placement)
{
    // A wait cursor of a long operation would hide that the box waits for the user.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    CHebrewMsg box(text, caption, buttons, placement, m_parent);
    const int result = box.Run();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return result;
}
