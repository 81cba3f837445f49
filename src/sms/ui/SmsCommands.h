#pragma once

#include "controls/CommandHandler.h"

// The send-SMS command of the menu, the toolbar and the guest pages' SMS buttons.
class CSmsCommands : public ICommandHandler
{
public:
    explicit CSmsCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    CommandContext m_context;
};
