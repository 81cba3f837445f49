#include "data/storage/IniFile.h"

#include "data/storage/AtomicFile.h"
#include "data/storage/Cp1255.h"

#include <QFile>

namespace {

const QByteArray kCrLf("\r\n");

QString Fold(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

QByteArray Trimmed(const QByteArray& bytes)
{
    return bytes.trimmed();
}

// The name inside "[name]", or a null text when the line is no section line.
QByteArray SectionName(const QByteArray& trimmedLine)
{
    if (!trimmedLine.startsWith('['))
        return QByteArray();
    const int close = trimmedLine.indexOf(']');
    const QByteArray name = trimmedLine.mid(1, close < 0 ? -1 : close - 1).trimmed();
    return name.isNull() ? QByteArray("") : name;
}

QByteArray KeyLine(const QString& key, const QString& value)
{
    return Cp1255::Encode(key) + '=' + Cp1255::Encode(value);
}

}

CIniFile::CIniFile() = default;

CIniFile::CIniFile(const QString& path)
{
    Load(path);
}

CIniFile::~CIniFile() = default;

void CIniFile::Section::Reindex()
{
    keys.clear();
    for (int i = 0; i < int(lines.size()); ++i)
        if (!lines[i].key.isEmpty() && !keys.contains(lines[i].key))
            keys.insert(lines[i].key, i);
}

void CIniFile::Clear()
{
    m_preamble.clear();
    m_sections.clear();
    m_index.clear();
    m_modified = false;
}

bool CIniFile::Load(const QString& path)
{
    Clear();
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Parse(file.readAll());
    return true;
}

void CIniFile::Parse(const QByteArray& bytes)
{
    Section* current = nullptr;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // CR LF, LF alone and CR alone each end a line, as editors of every platform wrote them.
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        Line line;
        line.raw = bytes.mid(pos, end - pos);
        const qsizetype eolLength = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2
                                  : end < bytes.size()                                                 ? 1
                                                                                                       : 0;
        line.eol = bytes.mid(end, eolLength);
        pos = end + eolLength;

        const QByteArray trimmed = Trimmed(line.raw);
        const QByteArray sectionName = SectionName(trimmed);
        if (!sectionName.isNull()) {
            auto section = std::make_unique<Section>();
            section->name = Fold(Cp1255::Decode(sectionName));
            section->header = std::move(line);
            current = section.get();
            m_sections.push_back(std::move(section));
            continue;
        }
        const qsizetype eq = trimmed.indexOf('=');
        if (eq > 0)
            line.key = Fold(Cp1255::Decode(trimmed.left(eq)));
        if (current)
            current->lines.push_back(std::move(line));
        else
            m_preamble.push_back(std::move(line));
    }
    for (auto& section : m_sections)
        section->Reindex();
    ReindexSections();
}

void CIniFile::ReindexSections()
{
    m_index.clear();
    for (auto& section : m_sections)
        if (!m_index.contains(section->name))
            m_index.insert(section->name, section.get());
}

CIniFile::Section* CIniFile::FindSection(const QString& section) const
{
    return m_index.value(Fold(section), nullptr);
}

const CIniFile::Line* CIniFile::FindLine(const QString& section, const QString& key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    const auto it = found->keys.constFind(Fold(key));
    return it == found->keys.cend() ? nullptr : &found->lines[*it];
}

QByteArray CIniFile::RawValue(const Line& line)
{
    QByteArray value = line.raw.mid(line.raw.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

QString CIniFile::GetString(const QString& section, const QString& key, const QString& def,
                            ReadLimit limit) const
{
    const Line* line = FindLine(section, key);
    if (!line)
        return def;
    QByteArray value = RawValue(*line);
    if (limit == ReadLimit::Cut255 && value.size() > 255)
        value.truncate(255);
    return Cp1255::Decode(value);
}

int CIniFile::GetInt(const QString& section, const QString& key, int def) const
{
    const Line* line = FindLine(section, key);
    if (!line)
        return def;
    const QByteArray value = RawValue(*line);
    if (value.isEmpty())
        return def;
    qsizetype i = 0;
    bool negative = false;
    if (value[0] == '-' || value[0] == '+') {
        negative = value[0] == '-';
        ++i;
    }
    quint32 result = 0; // wraps like the platform's unsigned conversion
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        result = result * 10u + quint32(value[i] - '0');
    return negative ? int(-qint64(result)) : int(result);
}

bool CIniFile::HasKey(const QString& section, const QString& key) const
{
    return FindLine(section, key) != nullptr;
}

bool CIniFile::HasSection(const QString& section) const
{
    return FindSection(section) != nullptr;
}

QStringList CIniFile::SectionNames() const
{
    QStringList names;
    for (const auto& section : m_sections)
        names << Cp1255::Decode(SectionName(Trimmed(section->header.raw)));
    return names;
}

QStringList CIniFile::KeyNames(const QString& section) const
{
    QStringList names;
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (!line.key.isEmpty())
                names << Cp1255::Decode(Trimmed(line.raw).left(Trimmed(line.raw).indexOf('=')).trimmed());
    return names;
}

void CIniFile::SetString(const QString& section, const QString& key, const QString& value)
{
    if (key.isNull()) {
        RemoveSection(section);
        return;
    }
    if (value.isNull()) {
        RemoveKey(section, key);
        return;
    }
    const QByteArray raw = KeyLine(key.trimmed(), value);
    Section* found = FindSection(section);
    if (!found) {
        // The last line of the file may lack its line end; the new section starts on a line of its own.
        Line* last = nullptr;
        if (!m_sections.empty())
            last = m_sections.back()->lines.empty() ? &m_sections.back()->header : &m_sections.back()->lines.back();
        else if (!m_preamble.empty())
            last = &m_preamble.back();
        if (last && last->eol.isEmpty())
            last->eol = kCrLf;
        auto created = std::make_unique<Section>();
        created->name = Fold(section);
        created->header.raw = '[' + Cp1255::Encode(section.trimmed()) + ']';
        created->header.eol = kCrLf;
        found = created.get();
        m_sections.push_back(std::move(created));
        m_index.insert(found->name, found);
    }
    const QString folded = Fold(key);
    const auto it = found->keys.constFind(folded);
    if (it != found->keys.cend()) {
        Line& line = found->lines[*it];
        if (RawValue(line) == Cp1255::Encode(value) && Trimmed(line.raw).startsWith(Cp1255::Encode(key.trimmed())))
            return;
        line.raw = raw;
    } else {
        // New keys go after the last line that holds something, before trailing blank lines.
        int at = int(found->lines.size());
        while (at > 0 && Trimmed(found->lines[at - 1].raw).isEmpty())
            --at;
        if (at > 0 && found->lines[at - 1].eol.isEmpty())
            found->lines[at - 1].eol = kCrLf;
        if (at == 0 && found->header.eol.isEmpty())
            found->header.eol = kCrLf;
        Line line;
        line.raw = raw;
        line.eol = kCrLf;
        line.key = folded;
        found->lines.insert(found->lines.begin() + at, std::move(line));
        found->Reindex();
    }
    m_modified = true;
}

void CIniFile::SetInt(const QString& section, const QString& key, int value)
{
    SetString(section, key, QString::number(value));
}

void CIniFile::RemoveKey(const QString& section, const QString& key)
{
    Section* found = FindSection(section);
    if (!found)
        return;
    const auto it = found->keys.constFind(Fold(key));
    if (it == found->keys.cend())
        return;
    found->lines.erase(found->lines.begin() + *it);
    found->Reindex();
    m_modified = true;
}

void CIniFile::RemoveSection(const QString& section)
{
    Section* found = FindSection(section);
    if (!found)
        return;
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
        if (it->get() == found) {
            m_sections.erase(it);
            break;
        }
    }
    ReindexSections();
    m_modified = true;
}

bool CIniFile::Save() const
{
    return SaveAs(m_path);
}

bool CIniFile::SaveAs(const QString& path) const
{
    QByteArray bytes;
    auto append = [&bytes](const Line& line) {
        bytes += line.raw;
        bytes += line.eol;
    };
    for (const Line& line : m_preamble)
        append(line);
    for (const auto& section : m_sections) {
        append(section->header);
        for (const Line& line : section->lines)
            append(line);
    }
    return AtomicFile::Write(path, bytes);
}

QString CIniFile::ReadProfileString(const QString& path, const QString& section, const QString& key,
                                    const QString& def, ReadLimit limit)
{
    return CIniFile(path).GetString(section, key, def, limit);
}

int CIniFile::ReadProfileInt(const QString& path, const QString& section, const QString& key, int def)
{
    return CIniFile(path).GetInt(section, key, def);
}

bool CIniFile::WriteProfileString(const QString& path, const QString& section, const QString& key,
                                  const QString& value)
{
    CIniFile file(path);
    file.SetString(section, key, value);
    return !file.IsModified() || file.Save();
}
