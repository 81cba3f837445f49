#pragma once

#include "controls/CommandHandler.h"

// The event menu's backup commands: restore from a checkpoint, export to a folder and mail the
// event's files.
class CBackupCommands : public ICommandHandler
{
public:
    explicit CBackupCommands(const CommandContext& context);

    bool HandlesCommand(int command) const override;
    void OnCommand(int command) override;

private:
    void ExportToFolder();

    CNewZelDoc& m_document;
    IPlatform& m_platform;
    QWidget& m_frame;
};
