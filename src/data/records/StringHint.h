#pragma once

#include "data/records/HintObject.h"

#include <QString>

// A hint object carrying a text, such as the name of a setting that changed.
class CStringHint : public CHintObject
{
public:
    explicit CStringHint(const QString& text) : m_text(text) {}
    const QString& GetText() const { return m_text; }

private:
    QString m_text;
};
