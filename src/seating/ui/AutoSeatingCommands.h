#pragma once

#include "controls/CommandHandler.h"

// The automatic seating procedures as menu and toolbar commands: seat every guest anew, or only
// those without a table. They work on the whole event, so any page may send them.
class CAutoSeatingCommands : public ICommandHandler
{
public:
    explicit CAutoSeatingCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    CNewZelDoc& m_document;
};
