#include "seating/ui/AutoSeatingCommands.h"

#include "seating/core/AutoSeating.h"

#include "controls/CommandIds.h"

CAutoSeatingCommands::CAutoSeatingCommands(const CommandContext& context)
    : m_document(context.document)
{
}

bool CAutoSeatingCommands::HandlesCommand(int command) const
{
    return command == ID_AUTO_SEAT_ALL || command == ID_AUTO_SEAT_UNSEATED;
}

void CAutoSeatingCommands::OnCommand(int command)
{
    // No wait cursor: a run over thousands of guests takes milliseconds, and the procedures ask
    // and report through message boxes the cursor would stand over.
    CAutoSeating seating(m_document);
    if (command == ID_AUTO_SEAT_ALL)
        seating.SeatAll();
    else
        seating.SeatUnseated();
}
