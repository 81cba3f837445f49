#pragma once

#include <QSplashScreen>

// The picture shown while the event loads: RC/Heb/couple.bmp in Hebrew, RC/Eng/couple.bmp in
// English, below the program folder.
class CSplashWnd : public QSplashScreen
{
    Q_OBJECT

public:
    CSplashWnd();

    static QString PicturePath();
};
