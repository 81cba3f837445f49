#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

// The menu, the toolbar and the accelerators of the main window, built from the command table.
// Every item sends its command id to one function; the states follow two questions per id.
class CCommandBars : public QObject
{
    Q_OBJECT

public:
    using Sender = std::function<void(int)>;
    using Question = std::function<bool(int)>;

    // refresh runs before a menu opens, so that its items show the current states.
    CCommandBars(QMainWindow& window, Sender send, std::function<void()> refresh);

    // Enables every item by its command's state and checks the checkable ones.
    void Update(const Question& enabled, const Question& checked);
    // The toolbar's markup tool tips on or off.
    void ShowToolTips(bool on);

    // Every action of a command: its menu item, toolbar button and accelerators.
    QList<QAction*> Actions(int command) const { return m_actions.values(command); }
    QAction* MenuAction(int command) const { return m_menuItems.value(command); }
    QToolBar* ToolBar() const { return m_toolBar; }
    QList<int> Commands() const { return m_actions.uniqueKeys(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(const QString& text, int command);
    void BuildMenu(QMainWindow& window);
    void BuildToolBar(QMainWindow& window);
    void BuildAccelerators(QMainWindow& window);

    Sender m_send;
    std::function<void()> m_refresh;
    bool m_showToolTips = true;
    QToolBar* m_toolBar = nullptr;
    QMultiHash<int, QAction*> m_actions;
    QHash<int, QAction*> m_menuItems;
};
