#pragma once

#include <QString>

// The running number of the backup checkpoints, kept as CpIndex in section "Checkpoint" of the
// event's Checkpoint.ini.
class CCheckPointInfo
{
public:
    // Reads the index (0 when the file or key is missing) and remembers the path; false when the
    // file could not be read.
    bool Load(const QString& path);
    // Writes the index to the remembered path; false without one or when the write fails.
    bool Save() const;

    int GetIndex() const { return m_index; }
    // The index, then counts it on.
    int NextIndex() { return m_index++; }
    // Gives back the previous index.
    int SetIndex(int index);
    const QString& GetFile() const { return m_file; }

    bool operator>(const CCheckPointInfo& other) const { return m_index > other.m_index; }
    bool operator<(const CCheckPointInfo& other) const { return m_index < other.m_index; }

private:
    int m_index = 0;
    QString m_file;
};
