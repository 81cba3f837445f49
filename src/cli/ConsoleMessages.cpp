#include "cli/ConsoleMessages.h"

int CConsoleMessages::MessageByText(const QString& text, const QString& caption, int buttons, const QRect&)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << caption << ": " << plain << '\n';
    m_err.flush();
    switch (buttons) {
    case MSG_OK:
        return MSG_RESULT_OK;
    case MSG_YES_NO:
        return m_yesNo;
    case MSG_YES_NO_CANCEL:
        return m_yesNoCancel;
    default:
        return MSG_RESULT_CANCEL;
    }
}
