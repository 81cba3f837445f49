#include "app/ui/SplashWnd.h"

#include "data/settings/ProgramFiles.h"
#include "data/settings/Language.h"

#include <QPainter>

namespace {

// Without its picture the splash still names the program.
QPixmap Fallback()
{
    QPixmap pixmap(480, 300);
    pixmap.fill(QColor(0xfb, 0xf4, 0xee));
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x8a, 0x1c, 0x3c));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Ravivaz"));
    return pixmap;
}

}

CSplashWnd::CSplashWnd()
{
    QPixmap picture(PicturePath());
    setPixmap(picture.isNull() ? Fallback() : picture);
}

QString CSplashWnd::PicturePath()
{
    return ProgramFiles::Locate(Language::IsHebrew() ? QStringLiteral("RC/Heb/couple.bmp")
                                                     : QStringLiteral("RC/Eng/couple.bmp"));
}
