#pragma once

#include <functional>

class CNewZelDoc;
class IPlatform;
class IUserMessages;
class QWidget;

// What a menu command of a subsystem needs to run without knowing the main window: the event, the
// message and platform interfaces, the window to parent its dialogs on, and a way to show a page.
struct CommandContext
{
    CNewZelDoc& document;
    IUserMessages& messages;
    IPlatform& platform;
    QWidget& frame;
    std::function<bool(int position)> showPage;
};

// A set of menu commands that belong to no page: the main frame routes a command to the first
// handler that takes it, after the active view. A command nobody handles is disabled.
class ICommandHandler
{
public:
    virtual ~ICommandHandler() = default;

    virtual bool HandlesCommand(int command) const = 0;
    virtual bool IsCommandEnabled(int command) const
    {
        (void)command;
        return true;
    }
    virtual void OnCommand(int command) = 0;
};
