#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The "[section]" and "key=value" lines of a small settings file, as raw bytes: the caller
// chooses the encoding. Names compare without regard to ASCII case and the first match wins, as
// the private-profile calls do. Comments and blank lines are not kept.
class CIniSections
{
public:
    // A missing or unreadable file gives no sections (false).
    bool Load(const QString& path);
    void Parse(const QByteArray& bytes);
    QByteArray ToBytes() const;

    // A null result when the section or key is absent.
    QByteArray Value(const QByteArray& section, const QByteArray& key) const;
    void SetValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    bool RemoveSection(const QByteArray& section);

private:
    struct Entry
    {
        QByteArray key;
        QByteArray value;
    };
    struct Section
    {
        QByteArray name;
        QList<Entry> entries;
    };

    qsizetype FindSection(const QByteArray& name) const;

    QList<Section> m_sections;
};
