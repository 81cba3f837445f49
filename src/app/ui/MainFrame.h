#pragma once

#include "app/core/PageLayout.h"
#include "app/ui/CommandHandlers.h"
#include "app/ui/PageHost.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class CCommandBars;
class CGenericView;
class CNewZelApp;
class CNewZelDoc;
class IPlatform;
class IUserMessages;
class QTabWidget;

// Makes the view of a page position.
using PageFactory = std::function<CGenericView*(int position, CNewZelDoc& document, QWidget* parent)>;

// The one top-level window: the menu, the toolbar and the pages of the event in a tab control
// (with a second-level tab control for the tables pages on a narrow screen), the routing of every
// command, the automatic backup and the question at closing.
class CMainFrame : public QMainWindow, public IPageHost
{
    Q_OBJECT

public:
    // desktopWidth decides the narrow layout; factory makes the views (CreatePageView when null).
    CMainFrame(CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages, IPlatform& platform,
               int desktopWidth = DesktopWidth(), PageFactory factory = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CNewZelDoc& Document() const override { return m_document; }
    const CPageLayout& Layout() const { return *m_layout; }

    // Shows a page of the layout and stores it as the event's last page; false when absent.
    bool ShowPage(int position) override;
    void NextPage();
    void PreviousPage();
    // The position of the active view, 0 without one.
    int ActivePosition() const override;
    CGenericView* ActiveView() const override { return m_activeView; }
    CGenericView* View(int position) const { return m_views.value(position); }
    QTabWidget* Tabs() const { return m_tabs; }
    QTabWidget* TablesTabs() const { return m_tablesTabs; }

    // Routing: the active view, the subsystems' handlers, the frame, the application. A command
    // nobody handles is disabled.
    bool IsCommandEnabled(int command) const;
    void RouteCommand(int command);
    CCommandBars& Bars() const { return *m_bars; }
    void UpdateCommandStates();

    // The period of the automatic backup in milliseconds, 0 when it is off.
    int BackupInterval() const;
    // One automatic backup: save the event, then take a checkpoint of its folder.
    void BackupTick();

    static int DesktopWidth();

public slots:
    // Restarts the backup timer with the current interval.
    void ArmBackupTimer();

signals:
    // The event has no couple names yet: its details are to be asked for.
    void EventDetailsWanted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreatePages(const PageFactory& factory);
    CGenericView* CreateView(int position, const PageFactory& factory);
    QString PageCaption(int position) const;
    QString CommercialPage() const;
    static QString TitleText();
    void OnTabChanged();
    void ActivateCurrentView();
    void OnFirstShow();
    bool CanClose();
    bool HandlesFrameCommand(int command) const;
    void OnFrameCommand(int command);
    bool IsCommandChecked(int command) const;
    ICommandHandler* Handler(int command) const;

    CNewZelDoc& m_document;
    CNewZelApp& m_app;
    IUserMessages& m_messages;
    IPlatform& m_platform;
    std::unique_ptr<CPageLayout> m_layout;
    CommandHandlerList m_handlers;
    CCommandBars* m_bars = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTabWidget* m_tablesTabs = nullptr;
    QHash<int, QWidget*> m_pages;
    QHash<int, CGenericView*> m_views;
    CGenericView* m_activeView = nullptr;
    bool m_switching = false;
    bool m_activatedOnce = false;
    QTimer m_backupTimer;
    QTimer m_stateTimer;
};
