#include "app/ui/AppLook.h"
#include "app/ui/DesktopPlatform.h"
#include "data/settings/GeneralIni.h"
#include "app/ui/HebrewMessages.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NewZelApp.h"
#include "data/settings/ProgramFiles.h"
#include "app/ui/SplashWnd.h"
#include "controls/ProgressWnd.h"
#include "data/storage/DataLocation.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <curl/curl.h>

#include <cstdio>
#include <memory>

namespace {

// The interface language: --lang he|en, else Hebrew when the system has a Hebrew locale.
bool ChooseLanguage(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    UiLanguage language = Language::FromSystem();
    if (parser.isSet(option) && !Language::FromOption(parser.value(option), language)) {
        std::fprintf(stderr, "Ravivaz: --lang takes \"he\" or \"en\"\n");
        return false;
    }
    Language::Set(language);
    return true;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravivaz"));
    QApplication::setApplicationVersion(QStringLiteral("2.55"));

    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Interface language."),
                                        QStringLiteral("he|en"));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("The data folder to use."),
                                        QStringLiteral("DIR"));
    parser.addOptions({langOption, dataOption});
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (!ChooseLanguage(parser, langOption))
        return 2;
    AppLook::Apply(app);
    curl_global_init(CURL_GLOBAL_DEFAULT);

    CGeneralIni general;
    general.Load(ProgramFiles::Locate(QStringLiteral("General.ini")));

    auto splash = std::make_unique<CSplashWnd>();
    splash->show();
    app.processEvents();

    CHebrewMessages messages;
    CDesktopPlatform platform;
    CProgressWnd progress;
    CNewZelApp ravivaz(general, messages, platform);
    auto location = parser.isSet(dataOption) ? std::make_unique<CDataLocation>(parser.value(dataOption))
                                              : std::make_unique<CDataLocation>();
    int result = 1;
    {
        CNewZelDoc document(*location, &messages, &progress, &ravivaz);
        if (document.OnNewDocument()) {
            splash.reset();
            CMainFrame frame(document, ravivaz, messages, platform);
            messages.SetParent(&frame);
            platform.SetParent(&frame);
            // Without a window manager nothing maximises the window: it starts as large as the screen.
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                frame.setGeometry(screen->availableGeometry());
            frame.showMaximized();
            CNewZelApp::ShowTipOfTheDay(document, &frame);
            result = app.exec();
            messages.SetParent(nullptr);
            platform.SetParent(nullptr);
        }
    }
    curl_global_cleanup();
    return result;
}
