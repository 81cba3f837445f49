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

private:
    QTextStream& m_err;
};
