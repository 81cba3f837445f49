#pragma once

#include "controls/CommandHandler.h"

// The event menu's own commands: the event details, adding an event and switching events.
class CEventMenuCommands : public ICommandHandler
{
public:
    explicit CEventMenuCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    CNewZelDoc& m_document;
    QWidget& m_frame;
};
