#include "app/ui/AppLook.h"
#include "app/ui/DesktopPlatform.h"
#include "data/settings/GeneralIni.h"
#include "app/ui/HebrewMessages.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NewEventWizard.h"
#include "app/ui/NewZelApp.h"
#include "app/ui/ScriptedAnswers.h"
#include "app/ui/TypingHook.h"
#include "data/settings/ProgramFiles.h"
#include "app/ui/SplashWnd.h"
#include "controls/ProgressWnd.h"
#include "data/storage/DataLocation.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/document/RecoveryCopy.h"
#include "data/storage/DataFolderLock.h"

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

// The test hooks, read only when their variables are set: scripted answers instead of message
// boxes, and guests typed into the guests view.
struct TestHooks
{
    bool scripted = false;
    CScriptedAnswers answers;
    int typingCount = -1;
    int typingIntervalMs = 0;

    bool Read()
    {
        if (qEnvironmentVariableIsSet("RAVIVAZ_TEST_ANSWERS")) {
            scripted = true;
            if (!answers.Parse(qEnvironmentVariable("RAVIVAZ_TEST_ANSWERS")))
                return false;
        }
        if (qEnvironmentVariableIsSet("RAVIVAZ_TEST_TYPING") &&
            !CTypingHook::ParseSetting(qEnvironmentVariable("RAVIVAZ_TEST_TYPING"), typingCount, typingIntervalMs))
            return false;
        return true;
    }
};

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

    TestHooks hooks;
    if (!hooks.Read()) {
        std::fprintf(stderr, "Ravivaz: RAVIVAZ_TEST_ANSWERS takes \"6,7,...\", RAVIVAZ_TEST_TYPING \"COUNT,MS\"\n");
        return 2;
    }
    CHebrewMessages boxes;
    IUserMessages& messages = hooks.scripted ? static_cast<IUserMessages&>(hooks.answers) : boxes;
    auto location = parser.isSet(dataOption) ? std::make_unique<CDataLocation>(parser.value(dataOption))
                                              : std::make_unique<CDataLocation>();
    CDataFolderLock lock(location->GetDataFolder());
    if (!CNewZelApp::ClaimDataFolder(lock, messages))
        return 3;

    curl_global_init(CURL_GLOBAL_DEFAULT);
    CGeneralIni general;
    general.Load(ProgramFiles::Locate(QStringLiteral("General.ini")));

    auto splash = std::make_unique<CSplashWnd>();
    splash->show();
    app.processEvents();

    CDesktopPlatform platform;
    CProgressWnd progress;
    CNewZelApp ravivaz(general, messages, platform);
    int result = 1;
    {
        CNewZelDoc document(*location, &messages, &progress, &ravivaz);
        if (document.OnNewDocument()) {
            splash.reset();
            CRecoveryCopy recovery(document);
            recovery.OfferRestore();
            CMainFrame frame(document, ravivaz, messages, platform);
            boxes.SetParent(&frame);
            // An event without names is described on the first showing; a run driven by the test
            // hooks has nobody to fill in the wizard.
            if (!hooks.scripted && hooks.typingCount < 0)
                QObject::connect(&frame, &CMainFrame::EventDetailsWanted, &frame,
                                 [&document, &frame] { CNewEventWizard::Run(document, false, &frame); });
            platform.SetParent(&frame);
            // Without a window manager nothing maximises the window: it starts as large as the screen.
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                frame.setGeometry(screen->availableGeometry());
            frame.showMaximized();
            CNewZelApp::ShowTipOfTheDay(document, &frame);
            if (hooks.typingCount >= 0)
                (new CTypingHook(frame, hooks.typingCount, hooks.typingIntervalMs))->Start();
            result = app.exec();
            // Whatever the user chose at closing, the copy of unsaved changes has served.
            recovery.Discard();
            boxes.SetParent(nullptr);
            platform.SetParent(nullptr);
        }
    }
    curl_global_cleanup();
    return result;
}
