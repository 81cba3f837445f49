#include "app/ui/CommandBars.h"

#include "controls/CommandIds.h"
#include "app/core/CommandTable.h"
#include "controls/MarkupTooltip.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {

bool IsCheckable(int command)
{
    return CommandTable::PositionOfViewCommand(command) != 0 || command == ID_REAL_TIME;
}

}

CCommandBars::CCommandBars(QMainWindow& window, Sender send, std::function<void()> refresh)
    : QObject(&window)
    , m_send(std::move(send))
    , m_refresh(std::move(refresh))
{
    BuildMenu(window);
    BuildToolBar(window);
    BuildAccelerators(window);
}

QAction* CCommandBars::MakeAction(const QString& text, int command)
{
    auto* action = new QAction(text, this);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command]() { m_send(command); });
    m_actions.insert(command, action);
    return action;
}

void CCommandBars::BuildMenu(QMainWindow& window)
{
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& entry : CommandTable::Menu()) {
        QMenu*& top = menus[entry.menu];
        if (!top)
            top = window.menuBar()->addMenu(entry.menu);
        QMenu* menu = top;
        if (!entry.submenu.isEmpty()) {
            QMenu*& sub = menus[entry.menu + QLatin1Char('/') + entry.submenu];
            if (!sub) {
                if (entry.separatorBefore)
                    top->addSeparator();
                sub = top->addMenu(entry.submenu);
            }
            menu = sub;
        } else if (entry.separatorBefore) {
            menu->addSeparator();
        }
        // The text after the tab is what the menu shows as the item's shortcut.
        const QString text = entry.shortcut.isEmpty() ? entry.text : entry.text + QLatin1Char('\t') + entry.shortcut;
        QAction* action = MakeAction(text, entry.command);
        action->setCheckable(IsCheckable(entry.command));
        menu->addAction(action);
        m_menuItems.insert(entry.command, action);
    }
    for (QMenu* menu : std::as_const(menus))
        connect(menu, &QMenu::aboutToShow, this, [this]() { m_refresh(); });
}

void CCommandBars::BuildToolBar(QMainWindow& window)
{
    m_toolBar = window.addToolBar(QStringLiteral("toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    for (const ToolButton& button : CommandTable::ToolBar()) {
        if (button.command == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* item = m_menuItems.value(button.command);
        QAction* action = MakeAction(item ? item->text().section(QLatin1Char('\t'), 0, 0) : QString(), button.command);
        action->setIcon(QIcon::fromTheme(QString::fromLatin1(button.icon)));
        if (button.tipId != 0)
            action->setToolTip(CMarkupTooltip::FromStringTable(button.tipId));
        m_toolBar->addAction(action);
        m_toolBar->widgetForAction(action)->installEventFilter(this);
    }
}

void CCommandBars::BuildAccelerators(QMainWindow& window)
{
    for (const Accelerator& key : CommandTable::Accelerators()) {
        QAction* action = MakeAction(key.keys, key.command);
        action->setShortcut(QKeySequence(key.keys, QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
}

void CCommandBars::Update(const Question& enabled, const Question& checked)
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        it.value()->setEnabled(enabled(it.key()));
        if (it.value()->isCheckable())
            it.value()->setChecked(checked(it.key()));
    }
}

void CCommandBars::ShowToolTips(bool on)
{
    m_showToolTips = on;
}

bool CCommandBars::eventFilter(QObject* watched, QEvent* event)
{
    // With the tips off a button shows nothing, not even its text.
    if (event->type() == QEvent::ToolTip && !m_showToolTips)
        return true;
    return QObject::eventFilter(watched, event);
}
