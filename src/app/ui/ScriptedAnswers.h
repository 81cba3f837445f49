#pragma once

#include "data/document/UserMessages.h"

#include <QList>

// A test hook of the program (RAVIVAZ_TEST_ANSWERS): every message is printed on the standard
// output instead of shown, and answered from a list (Cancel once the list is used up), so a test
// that runs the real program can read the questions and answer them.
class CScriptedAnswers : public IUserMessages
{
public:
    // The answers as numbers separated by commas ("6,7"); false when the text is not such a list.
    bool Parse(const QString& answers);

    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect& placement) override;

private:
    QList<int> m_answers;
};
