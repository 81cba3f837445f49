#pragma once

#include "textoracom/EventLog.h"

#include <QList>

// Keeps every entry the component writes, for the tests to read back.
class CRecordingLog final : public IEventLog
{
public:
    struct Entry
    {
        QString text;
        Type type;
    };

    void Write(const QString& text, Type type) override { m_entries.append({text, type}); }
    const QList<Entry>& Entries() const { return m_entries; }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Entry& entry : m_entries)
            texts << entry.text;
        return texts;
    }

private:
    QList<Entry> m_entries;
};
