#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// One INI file in the private-profile format: "[section]" lines and "key=value" lines, Windows-1255
// text, CR LF line ends. Section and key names compare case-insensitively and the first match wins.
// Lines the program does not change are written back byte for byte.
class CIniFile
{
public:
    // How much of a text value a read keeps: the older per-record files were only ever read through
    // a 256-byte buffer, so their readers keep that cut; files this program writes are read whole.
    enum class ReadLimit { Whole, Cut255 };

    CIniFile();
    explicit CIniFile(const QString& path);
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Reads the file; a missing or unreadable file gives an empty one (false).
    bool Load(const QString& path);
    // Writes atomically to the loaded path: the old file stays whole until the new one is complete.
    bool Save() const;
    bool SaveAs(const QString& path) const;

    const QString& Path() const { return m_path; }
    bool IsModified() const { return m_modified; }

    QString GetString(const QString& section, const QString& key, const QString& def = QString(),
                      ReadLimit limit = ReadLimit::Whole) const;
    // A decimal integer with an optional sign; an absent key or an empty value gives the default,
    // a value without leading digits gives 0.
    int GetInt(const QString& section, const QString& key, int def) const;
    bool HasKey(const QString& section, const QString& key) const;
    bool HasSection(const QString& section) const;
    QStringList SectionNames() const;
    QStringList KeyNames(const QString& section) const;

    // A null key removes the whole section, a null value removes the key.
    void SetString(const QString& section, const QString& key, const QString& value);
    void SetInt(const QString& section, const QString& key, int value);
    void RemoveKey(const QString& section, const QString& key);
    void RemoveSection(const QString& section);

    // The private-profile calls: each reads the file anew, each write is a whole atomic rewrite.
    static QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                                     const QString& def = QString(), ReadLimit limit = ReadLimit::Whole);
    static int ReadProfileInt(const QString& path, const QString& section, const QString& key, int def);
    static bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                                   const QString& value);

private:
    struct Line
    {
        QByteArray raw;
        QByteArray eol;
        QString key; // case-folded key name; empty for lines that hold no key
    };
    struct Section
    {
        QString name; // case-folded
        Line header;
        std::vector<Line> lines;
        QHash<QString, int> keys; // first line of each key
        void Reindex();
    };

    void Clear();
    void Parse(const QByteArray& bytes);
    void ReindexSections();
    const Line* FindLine(const QString& section, const QString& key) const;
    Section* FindSection(const QString& section) const;
    static QByteArray RawValue(const Line& line);

    QString m_path;
    std::vector<Line> m_preamble; // lines before the first section: never looked up
    std::vector<std::unique_ptr<Section>> m_sections;
    QHash<QString, Section*> m_index; // first section of each name
    bool m_modified = false;
};
