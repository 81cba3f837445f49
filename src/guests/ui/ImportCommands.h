#pragma once

#include "controls/CommandHandler.h"

// The event menu's guest import: opens the import dialog.
class CImportCommands : public ICommandHandler
{
public:
    explicit CImportCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    CNewZelDoc& m_document;
    IPlatform& m_platform;
    QWidget& m_frame;
};
