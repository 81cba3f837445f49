#pragma once

#include "controls/CommandHandler.h"

#include <memory>
#include <vector>

using CommandHandlerList = std::vector<std::unique_ptr<ICommandHandler>>;

// The command handlers of the subsystems, in the order the main frame asks them.
CommandHandlerList CreateCommandHandlers(const CommandContext& context, std::function<void()> rearmBackupTimer);
