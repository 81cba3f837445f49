#include "app/ui/ScriptedAnswers.h"

#include <cstdio>

bool CScriptedAnswers::Parse(const QString& answers)
{
    for (const QString& word : answers.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int answer = word.trimmed().toInt(&ok);
        if (!ok)
            return false;
        m_answers.append(answer);
    }
    return true;
}

int CScriptedAnswers::MessageByText(const QString& text, const QString& caption, int buttons, const QRect&)
{
    const int answer = m_answers.isEmpty() ? int(MSG_RESULT_CANCEL) : m_answers.takeFirst();
    // One line a message: line breaks of the text are shown as "\n".
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    std::printf("message [%s] %s -> %d\n", caption.toUtf8().constData(), shown.toUtf8().constData(), answer);
    std::fflush(stdout);
    return answer;
}
