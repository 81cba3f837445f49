#include "app/ui/MainFrame.h"

#include "app/core/EventManager.h"
#include "app/ui/BrowserPanel.h"
#include "backup/core/AutoBackup.h"
#include "app/ui/CommandBars.h"
#include "controls/CommandIds.h"
#include "app/core/CommandTable.h"
#include "app/ui/NewZelApp.h"
#include "app/ui/PageViews.h"
#include "guests/ui/GuestsView.h"
#include "seating/ui/TablesView.h"
#include "controls/GenericView.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/records/StringHint.h"
#include "data/settings/StringTable.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace {

const QString kNarrowNotice = QStringLiteral(
    "רוחב המסך של מחשב זה הוא 1000 נקודות או פחות.\r\n"
    "לכן המסכים שולחנות, סידור ישיבה וסקיצה מרוכזים בלשונית אחת בשם \"שולחנות\".\r\n"
    "ברזולוציה רחבה יותר יקבל כל אחד מהם לשונית משלו.");
const QString kNarrowCaption = QStringLiteral("רזולוציית המסך");
constexpr int kStateRefreshMs = 300;

}

CMainFrame::CMainFrame(CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages, IPlatform& platform,
                       int desktopWidth, PageFactory factory, QWidget* parent)
    : QMainWindow(parent)
    , m_document(document)
    , m_app(app)
    , m_messages(messages)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("view-pim-calendar")));
    setWindowTitle(TitleText());
    // The title marks unsaved changes with "*" after the name.
    setWindowModified(document.IsModified());
    connect(&document, &CNewZelDoc::ModifiedChanged, this, &QWidget::setWindowModified);
    m_app.SetMainFrame(this);
    m_handlers = CreateCommandHandlers(
        CommandContext{document, messages, platform, *this, [this](int position) { return ShowPage(position); }},
        [this] { ArmBackupTimer(); });
    m_bars = new CCommandBars(
        *this, [this](int command) { RouteCommand(command); }, [this]() { UpdateCommandStates(); });
    m_bars->ShowToolTips(document.AppSettings().GetShowTips());

    auto* status = statusBar();
    for (const char* indicator : {"CAP", "NUM", "SCRL"})
        status->addPermanentWidget(new QLabel(QString::fromLatin1(indicator), status));

    if (m_app.RealTimeAtStart() && m_messages.MessageById(59842, 59837, MSG_YES_NO) != MSG_RESULT_YES)
        m_app.DeclineRealTime();
    m_layout = std::make_unique<CPageLayout>(m_app.RealTimeAtStart(), CPageLayout::IsNarrowWidth(desktopWidth),
                                             !CommercialPage().isEmpty());
    CreatePages(factory ? factory : PageFactory([this](int position, CNewZelDoc& doc, QWidget* parent) {
        return CreatePageView(position, doc, m_platform, parent);
    }));
    if (!ShowPage(CPageLayout::StartPosition(document.Settings().GetLastUIMode())))
        ActivateCurrentView();

    connect(&document, &CNewZelDoc::Hint, this, [this](QObject*, int hint, CHintObject* object) {
        // The object of another hint may be gone already (a table deleted by an earlier receiver).
        const auto* setting = hint == HINT_SETTING_CHANGED ? dynamic_cast<const CStringHint*>(object) : nullptr;
        if (setting && setting->GetText() == QLatin1String("ShowTips"))
            m_bars->ShowToolTips(m_document.AppSettings().GetShowTips());
        // The page that shows what the hint names comes to the front.
        else if (hint == HINT_SHOW_GUEST && object)
            ShowPage(CGuestsView::kPosition);
        else if (hint == HINT_LOCATE_GUEST_TABLE && object)
            ShowPage(CTablesView::kPosition);
    });
    connect(&m_backupTimer, &QTimer::timeout, this, &CMainFrame::BackupTick);
    connect(&m_stateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    m_stateTimer.start(kStateRefreshMs);
    ArmBackupTimer();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    m_app.SetMainFrame(nullptr);
}

int CMainFrame::DesktopWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

QString CMainFrame::TitleText()
{
    return StringTable::Get(59456) + QStringLiteral("[*]");
}

QString CMainFrame::CommercialPage() const
{
    const QString url = m_app.General().CommercialUrl();
    if (!url.isEmpty())
        return url;
    const QString local = m_document.Location().GetDataFolder() + QStringLiteral("/Commercial/Main.html");
    return QFileInfo::exists(local) ? local : QString();
}

QString CMainFrame::PageCaption(int position) const
{
    if (position == 2)
        return m_app.General().CommercialName();
    if (position == 10)
        return m_app.General().NewsTabName();
    return CPageLayout::Caption(position);
}

CGenericView* CMainFrame::CreateView(int position, const PageFactory& factory)
{
    if (position == 2)
        return new CBrowserPanel(m_document, CommercialPage(), m_app.General(), m_platform);
    if (position == 10)
        return new CBrowserPanel(m_document, m_app.General().NewsTabUrl(), m_app.General(), m_platform);
    return factory(position, m_document, nullptr);
}

void CMainFrame::CreatePages(const PageFactory& factory)
{
    m_switching = true;
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_tabs->setDocumentMode(true);
    setCentralWidget(m_tabs);
    for (int position : m_layout->Positions()) {
        QWidget* page;
        if (position == CPageLayout::kTablesGroup) {
            m_tablesTabs = new QTabWidget;
            m_tablesTabs->setObjectName(QStringLiteral("tablesPages"));
            page = m_tablesTabs;
        } else {
            CGenericView* view = CreateView(position, factory);
            view->setObjectName(QStringLiteral("page%1").arg(position));
            connect(view, &CGenericView::CommandRequested, this, &CMainFrame::RouteCommand);
            m_views.insert(position, view);
            page = view;
        }
        QTabWidget* owner = m_layout->Parent(position) ? m_tablesTabs : m_tabs;
        owner->addTab(page, QIcon::fromTheme(CPageLayout::IconName(position)), PageCaption(position));
        m_pages.insert(position, page);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &CMainFrame::OnTabChanged);
    if (m_tablesTabs)
        connect(m_tablesTabs, &QTabWidget::currentChanged, this, &CMainFrame::OnTabChanged);
    m_switching = false;
}

int CMainFrame::ActivePosition() const
{
    return m_activeView ? m_views.key(m_activeView, 0) : 0;
}

void CMainFrame::OnTabChanged()
{
    if (!m_switching)
        ActivateCurrentView();
}

void CMainFrame::ActivateCurrentView()
{
    QWidget* page = m_tabs->currentWidget();
    if (page && page == m_tablesTabs)
        page = m_tablesTabs->currentWidget();
    auto* view = qobject_cast<CGenericView*>(page);
    if (!view || view == m_activeView)
        return;
    m_activeView = view;
    // Every page stores its own position when it becomes the active one.
    m_document.Settings().SetLastUIMode(ActivePosition());
    view->OnActivate();
    UpdateCommandStates();
}

bool CMainFrame::ShowPage(int position)
{
    QWidget* page = m_pages.value(position);
    if (!page)
        return false;
    m_switching = true;
    if (const int parent = m_layout->Parent(position)) {
        m_tablesTabs->setCurrentWidget(page);
        m_tabs->setCurrentWidget(m_pages.value(parent));
    } else {
        m_tabs->setCurrentWidget(page);
    }
    m_switching = false;
    ActivateCurrentView();
    m_document.Settings().SetLastUIMode(position);
    return true;
}

void CMainFrame::NextPage()
{
    if (const int next = m_layout->Next(m_document.Settings().GetLastUIMode()))
        ShowPage(next);
}

void CMainFrame::PreviousPage()
{
    if (const int previous = m_layout->Previous(m_document.Settings().GetLastUIMode()))
        ShowPage(previous);
}

bool CMainFrame::HandlesFrameCommand(int command) const
{
    switch (command) {
    case ID_NEXT_PAGE:
    case ID_PREVIOUS_PAGE:
    case ID_WEB_SITE:
    case ID_APP_EXIT:
    case ID_VIEW_STATUS_BAR:
        return true;
    default:
        return CommandTable::PositionOfViewCommand(command) != 0;
    }
}

void CMainFrame::OnFrameCommand(int command)
{
    switch (command) {
    case ID_NEXT_PAGE:
        NextPage();
        break;
    case ID_PREVIOUS_PAGE:
        PreviousPage();
        break;
    case ID_WEB_SITE:
        m_platform.OpenUrl(CNewZelApp::SitePage(QString()));
        break;
    case ID_APP_EXIT:
        close();
        break;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        break;
    default:
        // A page absent from this layout leaves the current one in place.
        ShowPage(CommandTable::PositionOfViewCommand(command));
        break;
    }
}

bool CMainFrame::IsCommandEnabled(int command) const
{
    if (m_activeView && m_activeView->HandlesCommand(command))
        return m_activeView->IsCommandEnabled(command);
    if (const ICommandHandler* handler = Handler(command))
        return handler->IsCommandEnabled(command);
    if (HandlesFrameCommand(command))
        return true;
    return m_app.IsCommandEnabled(command);
}

bool CMainFrame::IsCommandChecked(int command) const
{
    if (command == ID_REAL_TIME)
        return m_app.RealTimeNext();
    return CommandTable::PositionOfViewCommand(command) == ActivePosition();
}

void CMainFrame::RouteCommand(int command)
{
    if (!IsCommandEnabled(command))
        return;
    if (m_activeView && m_activeView->HandlesCommand(command))
        m_activeView->OnCommand(command);
    else if (ICommandHandler* handler = Handler(command))
        handler->OnCommand(command);
    else if (HandlesFrameCommand(command))
        OnFrameCommand(command);
    else
        m_app.OnCommand(command);
    UpdateCommandStates();
}

ICommandHandler* CMainFrame::Handler(int command) const
{
    for (const auto& handler : m_handlers)
        if (handler->HandlesCommand(command))
            return handler.get();
    return nullptr;
}

void CMainFrame::UpdateCommandStates()
{
    m_bars->Update([this](int command) { return IsCommandEnabled(command); },
                   [this](int command) { return IsCommandChecked(command); });
}

void CMainFrame::ArmBackupTimer()
{
    m_backupTimer.stop();
    const int minutes = m_document.AppSettings().GetBackUpEvery();
    if (minutes > 0)
        m_backupTimer.start(minutes * 60000);
}

int CMainFrame::BackupInterval() const
{
    return m_backupTimer.isActive() ? m_backupTimer.interval() : 0;
}

void CMainFrame::BackupTick()
{
    CAutoBackup(m_document).Run();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || m_activatedOnce)
        return;
    m_activatedOnce = true;
    statusBar()->hide();
    setWindowTitle(TitleText());
    QMetaObject::invokeMethod(this, &CMainFrame::OnFirstShow, Qt::QueuedConnection);
}

void CMainFrame::OnFirstShow()
{
    const CSettings& settings = m_document.Settings();
    if (settings.Key(QStringLiteral("GroumName")).isEmpty() && settings.Key(QStringLiteral("BrideName")).isEmpty())
        emit EventDetailsWanted();
    if (m_layout->IsNarrow())
        m_messages.MessageByText(kNarrowNotice, kNarrowCaption, MSG_OK);
}

bool CMainFrame::CanClose()
{
    return CEventManager(m_document).MayLeaveEvent();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!CanClose()) {
        event->ignore();
        return;
    }
    m_backupTimer.stop();
    m_stateTimer.stop();
    event->accept();
}
