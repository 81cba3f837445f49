#pragma once

#include "data/document/UserMessages.h"

class QWidget;

// The program's answer to the core's questions: each one is shown in a CHebrewMsg box.
class CHebrewMessages : public IUserMessages
{
public:
    explicit CHebrewMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect& placement) override;

private:
    QWidget* m_parent;
};
