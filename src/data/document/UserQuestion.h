#pragma once

#include "data/settings/StringTable.h"
#include "data/document/UserMessages.h"

// Puts a question or a notice to the user through the document's message interface, the
// placeholders of the text filled first. Without an interface nothing is shown and the answer is
// Cancel, as a closed box would give.
namespace UserQuestion {

inline int Ask(IUserMessages* messages, const QString& text, const QString& caption, int buttons,
               const QStringList& args = {})
{
    if (!messages)
        return MSG_RESULT_CANCEL;
    return messages->MessageByText(args.isEmpty() ? text : StringTable::Fill(text, args), caption, buttons);
}

}
