#pragma once

#include <QLockFile>
#include <QString>

// One writer per data folder: the program holds the folder for as long as it runs, a command-line
// writer for its one command. A lock left behind by a run that crashed is taken over.
class CDataFolderLock
{
public:
    enum class Result { Taken, HeldElsewhere, Unavailable };

    explicit CDataFolderLock(const QString& dataFolder);
    CDataFolderLock(const CDataFolderLock&) = delete;
    CDataFolderLock& operator=(const CDataFolderLock&) = delete;

    // "Ravivaz.lock", in the data folder itself.
    static QString FileName();

    // Creates the data folder when missing. Unavailable when no lock file can be made there (a
    // folder that cannot be written, where no save can succeed either).
    Result TryTake();
    bool IsTaken() const { return m_lock.isLocked(); }
    // The process holding the folder, as "Ravivaz, process 1234"; empty when unknown.
    QString Holder() const;
    const QString& DataFolder() const { return m_dataFolder; }

private:
    QString m_dataFolder;
    QLockFile m_lock;
};
