#pragma once

#include "data/document/UserMessages.h"

#include <QTextStream>

// Messages of the core on the command line: printed to the error stream; questions get the
// cautious answer (Cancel, or No where there is no Cancel).
class CConsoleMessages : public IUserMessages
{
public:
    explicit CConsoleMessages(QTextStream& err) : m_err(err) {}
    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect& placement) override;
    // For a command whose own words already gave the answers (a restore the user named).
    void AnswerQuestions(int yesNo, int yesNoCancel)
    {
        m_yesNo = yesNo;
        m_yesNoCancel = yesNoCancel;
    }

private:
    QTextStream& m_err;
    int m_yesNo = MSG_RESULT_NO;
    int m_yesNoCancel = MSG_RESULT_CANCEL;
};
