#pragma once

#include "data/settings/GeneralIni.h"
#include "app/core/UpdateCheck.h"
#include "app/core/UpdateChecker.h"
#include "data/document/EventServices.h"

#include <QObject>

class CDataFolderLock;
class IPageHost;
class CNewZelDoc;
class IPlatform;
class IUserMessages;

// The application object: the start-up configuration of General.ini with the real-time flags,
// and the last stop of the command routing (about, help pages, update check, real-time mode,
// quick actions). It also starts the background update check once an event is loaded.
class CNewZelApp : public QObject, public IEventServices
{
    Q_OBJECT

public:
    CNewZelApp(const CGeneralIni& general, IUserMessages& messages, IPlatform& platform, QObject* parent = nullptr);

    const CGeneralIni& General() const { return m_general; }
    bool RealTimeAtStart() const { return m_realTimeAtStart; }
    bool RealTimeNext() const { return m_realTimeNext; }
    // The user declined the real-time layout: both flags clear and General.ini says so.
    void DeclineRealTime();

    void SetMainFrame(IPageHost* frame) { m_frame = frame; }

    bool HandlesCommand(int command) const;
    bool IsCommandEnabled(int command) const;
    void OnCommand(int command);

    // The tip of the day at start-up, by the "ShowTipOfDay" and "TipOfDayItem" keys; the tips
    // come from the program's Tips folder unless another is given.
    static void ShowTipOfTheDay(CNewZelDoc& document, QWidget* parent, const QString& folder = QString());

    // One window per data folder: false, after telling the user, when another run holds it.
    static bool ClaimDataFolder(CDataFolderLock& lock, IUserMessages& messages);

    // IEventServices: the automatic check, after the event was loaded.
    void StartBackgroundCheck(CNewZelDoc& document) override;
    // IEventServices: sharing on the FTP server while the event loads and after every save.
    void DownloadEvent(CNewZelDoc& document) override;
    void UploadEvent(CNewZelDoc& document) override;

    // What the check is given, read now on this thread.
    CUpdateCheck::Inputs UpdateInputs(CNewZelDoc& document, bool automatic) const;
    // The page that tells the computer is online; it has a default by language.
    void SetReachabilityUrl(const QString& url) { m_reachabilityUrl = url; }
    void SetAutomaticDelay(int ms) { m_automaticDelayMs = ms; }
    bool IsCheckRunning() const { return m_commandCheck.IsRunning() || m_automaticCheck.IsRunning(); }

    // The maker's pages, in the interface language.
    static QString SitePage(const QString& page);

signals:
    // A check ended and its outcome was told (or, for the automatic one, not).
    void UpdateCheckDone(int outcome, bool automatic);
    // Guests answered on the approvals site, for the event the answers carry.
    void ApprovalsWaiting(const CSiteApprovals& approvals);

private:
    void ToggleRealTime();
    void QuickAction(int command);
    void CheckForUpdates(CNewZelDoc& document, bool automatic);
    void OnCheckFinished(const CUpdateCheck::Result& result, bool automatic);
    void About();

    CGeneralIni m_general;
    IUserMessages& m_messages;
    IPlatform& m_platform;
    IPageHost* m_frame = nullptr;
    bool m_realTimeAtStart;
    bool m_realTimeNext;
    QString m_reachabilityUrl;
    int m_automaticDelayMs = 10000;
    CUpdateChecker m_commandCheck;
    CUpdateChecker m_automaticCheck;
};
