#pragma once

#include "controls/CommandHandler.h"

// The approvals' menu command: the approval details mailed to every guest who has not answered.
class CApprovalCommands : public ICommandHandler
{
public:
    explicit CApprovalCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    CommandContext m_context;
};
