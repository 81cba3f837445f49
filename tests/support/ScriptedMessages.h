#pragma once

#include "data/document/UserMessages.h"

#include <QList>
#include <QString>

// Answers the core's questions from a script and keeps every message shown, so that a test can
// check the exact texts. With the script used up, every further question is answered Cancel.
class CScriptedMessages : public IUserMessages
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        int buttons;
    };

    void Answer(std::initializer_list<int> answers) { m_answers.append(QList<int>(answers)); }

    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect&) override
    {
        m_shown.append({text, caption, buttons});
        return m_answers.isEmpty() ? MSG_RESULT_CANCEL : m_answers.takeFirst();
    }

    const QList<Shown>& ShownMessages() const { return m_shown; }
    void Forget() { m_shown.clear(); }
    int PendingAnswers() const { return int(m_answers.size()); }

private:
    QList<int> m_answers;
    QList<Shown> m_shown;
};
