#include "app/ui/NewZelApp.h"

#include "controls/CommandIds.h"
#include "app/core/CommandTable.h"
#include "approvals/core/ApprovalsSite.h"
#include "app/ui/PageHost.h"
#include "app/ui/TipOfTheDayDlg.h"
#include "backup/ui/SharingCommands.h"
#include "controls/GenericView.h"
#include "data/settings/Language.h"
#include "data/storage/DataFolderLock.h"
#include "data/storage/DataLocation.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/settings/StringTable.h"
#include "data/document/UserMessages.h"

#include <QApplication>
#include <QDir>

namespace {

const QString kFolderInUseText = QStringLiteral(
    "נתוני התוכנה בספריה:\r\n%s\r\nכבר פתוחים בחלון אחר של התוכנה.\r\n\r\n"
    "כדי ששינויים לא ימחקו זה את זה, אפשר לעבוד על הנתונים רק מחלון אחד.\r\n"
    "עברו לחלון הפתוח, או סגרו אותו ופתחו את התוכנה שוב.");
const QString kFolderInUseCaption = QStringLiteral("התוכנה כבר פתוחה");

QString ByLanguage(const char* hebrew, const char* english)
{
    return QString::fromLatin1(Language::IsHebrew() ? hebrew : english);
}

}

CNewZelApp::CNewZelApp(const CGeneralIni& general, IUserMessages& messages, IPlatform& platform, QObject* parent)
    : QObject(parent)
    , m_general(general)
    , m_messages(messages)
    , m_platform(platform)
    , m_realTimeAtStart(general.RealTime())
    , m_realTimeNext(general.RealTime())
    , m_reachabilityUrl(ByLanguage("https://www.gov.il/", "https://www.iana.org/"))
{
    for (CUpdateChecker* checker : {&m_commandCheck, &m_automaticCheck})
        connect(checker, &CUpdateChecker::Finished, this, &CNewZelApp::OnCheckFinished);
}

QString CNewZelApp::SitePage(const QString& page)
{
    return CGeneralIni::DefaultSiteUrl() + (Language::IsHebrew() ? QStringLiteral("he/") : QStringLiteral("en/")) + page;
}

void CNewZelApp::DeclineRealTime()
{
    m_realTimeAtStart = false;
    m_realTimeNext = false;
    m_general.WriteRealTime(false);
}

bool CNewZelApp::HandlesCommand(int command) const
{
    switch (command) {
    case ID_APP_ABOUT:
    case ID_FEEDBACK:
    case ID_FORUM:
    case ID_CHECK_UPDATES:
    case ID_REAL_TIME:
        return true;
    default:
        return command >= ID_QUICK_FIRST && command <= ID_QUICK_RANGE_END;
    }
}

bool CNewZelApp::IsCommandEnabled(int command) const
{
    if (command == ID_CHECK_UPDATES)
        return !m_commandCheck.IsRunning();
    return HandlesCommand(command);
}

void CNewZelApp::OnCommand(int command)
{
    switch (command) {
    case ID_APP_ABOUT:
        About();
        break;
    case ID_FEEDBACK:
        m_platform.OpenUrl(SitePage(QStringLiteral("feedback")));
        break;
    case ID_FORUM:
        m_platform.OpenUrl(SitePage(QStringLiteral("forum")));
        break;
    case ID_CHECK_UPDATES:
        if (m_frame)
            CheckForUpdates(m_frame->Document(), false);
        break;
    case ID_REAL_TIME:
        ToggleRealTime();
        break;
    default:
        QuickAction(command);
        break;
    }
}

void CNewZelApp::About()
{
    const QString text = StringTable::Fill(
        QStringLiteral("Ravivaz גרסה %s\r\nתכנון חתונות וארועים משפחתיים: מוזמנים, שולחנות, מתנות, הוצאות ותקציב.\r\n\r\n"
                       "תמיכה: %s\r\nמכירות: %s  %s"),
        {QString::number(CUpdateCheck::kProgramVersion, 'f', 2), m_general.SupportPhone(), m_general.SalesPhone(),
         m_general.SalesEmail()});
    m_messages.MessageByText(text, QStringLiteral("אודות Ravivaz"), MSG_OK);
}

void CNewZelApp::ToggleRealTime()
{
    m_realTimeNext = !m_realTimeNext;
    m_messages.MessageById(59835, 59834, MSG_OK);
    m_general.WriteRealTime(m_realTimeNext);
}

void CNewZelApp::QuickAction(int command)
{
    ::QuickAction action;
    if (!m_frame || !m_frame->ActiveView() || !CommandTable::Quick(command, action))
        return;
    const int before = m_frame->ActivePosition();
    m_frame->ShowPage(action.page);
    CGenericView* view = m_frame->ActiveView();
    if (!view)
        return;
    // A delete goes through only when the user was already looking at what it deletes.
    if (action.command == ID_OBJECT_DELETE && m_frame->ActivePosition() != before)
        return;
    if (view->HandlesCommand(action.command) && view->IsCommandEnabled(action.command))
        view->OnCommand(action.command);
}

bool CNewZelApp::ClaimDataFolder(CDataFolderLock& lock, IUserMessages& messages)
{
    if (lock.TryTake() != CDataFolderLock::Result::HeldElsewhere)
        return true;
    messages.MessageByText(StringTable::Fill(kFolderInUseText, {QDir::toNativeSeparators(lock.DataFolder())}),
                           kFolderInUseCaption, MSG_OK);
    return false;
}

void CNewZelApp::ShowTipOfTheDay(CNewZelDoc& document, QWidget* parent, const QString& folder)
{
    CAppSettings& settings = document.AppSettings();
    if (settings.Key(QStringLiteral("ShowTipOfDay")) == QLatin1String("0"))
        return;
    CTipOfTheDayDlg dialog(folder.isEmpty() ? CTipOfTheDayDlg::TipsFolder() : folder,
                           settings.Key(QStringLiteral("TipOfDayItem")).toInt(), parent);
    dialog.exec();
    settings.SetKey(QStringLiteral("TipOfDayItem"), QString::number(dialog.Item()));
    settings.SetKey(QStringLiteral("ShowTipOfDay"), dialog.ShowAtStart() ? QStringLiteral("1") : QStringLiteral("0"));
}

CUpdateCheck::Inputs CNewZelApp::UpdateInputs(CNewZelDoc& document, bool automatic) const
{
    CUpdateCheck::Inputs inputs;
    inputs.reachabilityUrl = m_reachabilityUrl;
    inputs.versionUrl = m_general.NewVersionUrl();
    inputs.approvalsSite = ApprovalsSite::Address(document.AppSettings());
    inputs.eventFolder = document.Location().CurrentEventFolder();
    inputs.eventCode = document.Settings().Key(QStringLiteral("EventCode"));
    inputs.delayMs = automatic ? m_automaticDelayMs : 0;
    return inputs;
}

void CNewZelApp::StartBackgroundCheck(CNewZelDoc& document)
{
    CheckForUpdates(document, true);
}

void CNewZelApp::DownloadEvent(CNewZelDoc& document)
{
    CSharingCommands::Download(document, m_platform, QApplication::activeWindow(), true);
}

void CNewZelApp::UploadEvent(CNewZelDoc& document)
{
    CSharingCommands::Upload(document, m_platform, QApplication::activeWindow(), true);
}

void CNewZelApp::CheckForUpdates(CNewZelDoc& document, bool automatic)
{
    const CUpdateCheck::Inputs inputs = UpdateInputs(document, automatic);
    // With nothing to ask, the automatic check does not go out on the network at all.
    if (automatic && inputs.versionUrl.isEmpty() && inputs.eventCode.isEmpty())
        return;
    (automatic ? m_automaticCheck : m_commandCheck).Start(inputs, automatic);
}

void CNewZelApp::OnCheckFinished(const CUpdateCheck::Result& result, bool automatic)
{
    if (!result.approvals.answers.isEmpty())
        emit ApprovalsWaiting(result.approvals);
    if (result.outcome == CUpdateCheck::Outcome::NewerVersion) {
        if (m_messages.MessageById(59710, 59711, MSG_YES_NO) == MSG_RESULT_YES)
            m_platform.OpenUrl(m_general.SiteUrl());
    } else if (!automatic) {
        if (result.outcome == CUpdateCheck::Outcome::NotConnected)
            m_messages.MessageById(59658, 59657, MSG_OK);
        else
            m_messages.MessageById(59656, 59656, MSG_OK);
    }
    emit UpdateCheckDone(int(result.outcome), automatic);
}
