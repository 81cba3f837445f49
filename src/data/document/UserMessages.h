#pragma once

#include "data/settings/StringTable.h"

#include <QRect>
#include <QString>

// Buttons of a message and the answers, with the values callers compare against.
enum MessageButtons { MSG_OK = 1, MSG_YES_NO = 2, MSG_OK_CANCEL = 4, MSG_YES_NO_CANCEL = 8, MSG_NO_BUTTONS = 16 };
enum MessageResult { MSG_RESULT_OK = 1, MSG_RESULT_CANCEL = 2, MSG_RESULT_YES = 6, MSG_RESULT_NO = 7 };

// How the core asks the user a question or tells them something. The program shows a message box;
// tests answer from a script and keep every text and caption shown.
class IUserMessages
{
public:
    virtual ~IUserMessages() = default;

    // Shows the text with its caption and returns the button pressed (closing the box is Cancel).
    // An empty placement centres the box.
    virtual int MessageByText(const QString& text, const QString& caption, int buttons,
                              const QRect& placement = QRect()) = 0;

    int MessageById(int textId, int captionId, int buttons, const QRect& placement = QRect())
    {
        return MessageByText(StringTable::Get(textId), StringTable::Get(captionId), buttons, placement);
    }
};
