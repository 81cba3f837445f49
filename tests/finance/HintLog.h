#pragma once

#include "data/document/NewZelDoc.h"

#include <QList>
#include <QObject>

#include <algorithm>

// Keeps every hint the document sends, with its sender and object.
class CHintLog
{
public:
    struct Entry
    {
        QObject* sender;
        int hint;
        CHintObject* object;
    };

    explicit CHintLog(CNewZelDoc& document)
    {
        QObject::connect(&document, &CNewZelDoc::Hint, &m_context,
                         [this](QObject* sender, int hint, CHintObject* object) { m_entries.append({sender, hint, object}); });
    }
    int Count(int hint) const
    {
        return int(std::count_if(m_entries.cbegin(), m_entries.cend(), [hint](const Entry& e) { return e.hint == hint; }));
    }
    const QList<Entry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    QObject m_context;
    QList<Entry> m_entries;
};
