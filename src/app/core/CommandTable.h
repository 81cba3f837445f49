#pragma once

#include <QList>
#include <QString>

// One item of the main menu: its menu and submenu (empty for none), the item text with the
// shortcut text shown after a tab, and the command it sends.
struct MenuEntry
{
    QString menu;
    QString submenu;
    QString text;
    QString shortcut;
    int command;
    bool separatorBefore = false;
};

// A key combination ("Ctrl+1", in QKeySequence's portable form) and the command it sends.
struct Accelerator
{
    QString keys;
    int command;
};

// A toolbar button; command 0 is a separator. The tool tip is a markup text of the string table.
struct ToolButton
{
    int command;
    int tipId;
    const char* icon;
};

// A quick action: the page it shows and the object command it then sends.
struct QuickAction
{
    int page;
    int command;
};

// The command set of the main frame as data: the menu, the accelerators and the toolbar.
namespace CommandTable {
const QList<MenuEntry>& Menu();
const QList<Accelerator>& Accelerators();
const QList<ToolButton>& ToolBar();
// The page and object command of quick action 33000…33010; false for any other id.
bool Quick(int command, QuickAction& action);
// The page a View command shows, or 0 for any other command.
int PositionOfViewCommand(int command);
}
