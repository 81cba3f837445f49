#include "com/IniSections.h"

#include <QFile>

namespace {

bool SameName(const QByteArray& a, const QByteArray& b)
{
    return a.trimmed().toLower() == b.trimmed().toLower();
}

QByteArray Unquoted(QByteArray value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

}

bool CIniSections::Load(const QString& path)
{
    m_sections.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Parse(file.readAll());
    return true;
}

void CIniSections::Parse(const QByteArray& bytes)
{
    m_sections.clear();
    // Lines before the first section belong to no section and are never looked up.
    bool inSection = false;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            m_sections.append({line.mid(1, close < 0 ? -1 : close - 1).trimmed(), {}});
            inSection = true;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (inSection && eq > 0)
            m_sections.back().entries.append({line.left(eq).trimmed(), Unquoted(line.mid(eq + 1).trimmed())});
    }
}

QByteArray CIniSections::ToBytes() const
{
    QByteArray bytes;
    for (const Section& section : m_sections) {
        bytes += '[' + section.name + "]\n";
        for (const Entry& entry : section.entries)
            bytes += entry.key + '=' + entry.value + '\n';
        bytes += '\n';
    }
    return bytes;
}

qsizetype CIniSections::FindSection(const QByteArray& name) const
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (SameName(m_sections[i].name, name))
            return i;
    return -1;
}

QByteArray CIniSections::Value(const QByteArray& section, const QByteArray& key) const
{
    const qsizetype found = FindSection(section);
    if (found < 0)
        return QByteArray();
    for (const Entry& entry : m_sections[found].entries)
        if (SameName(entry.key, key))
            return entry.value.isNull() ? QByteArray("") : entry.value;
    return QByteArray();
}

void CIniSections::SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    qsizetype found = FindSection(section);
    if (found < 0) {
        m_sections.append({section, {}});
        found = m_sections.size() - 1;
    }
    for (Entry& entry : m_sections[found].entries) {
        if (SameName(entry.key, key)) {
            entry.value = value;
            return;
        }
    }
    m_sections[found].entries.append({key, value});
}

bool CIniSections::RemoveSection(const QByteArray& section)
{
    const qsizetype found = FindSection(section);
    if (found < 0)
        return false;
    m_sections.removeAt(found);
    return true;
}
