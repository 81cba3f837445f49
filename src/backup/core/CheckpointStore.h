#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The checkpoints of the backup folder: dated copies of event folders, shared by all events.
class CCheckpointStore
{
public:
    struct Entry
    {
        QString name;
        int guestsCount = 0;
        QString eventName;
    };

    explicit CCheckpointStore(const QString& backupFolder);

    // One entry per sub-folder, newest first by the time in its name; folders of other names last.
    QList<Entry> List() const;
    QString Folder(const QString& name) const;
    // The folder of a new checkpoint of the event, or an empty text when it could not be made.
    QString Take(const QString& eventFolder, const QDateTime& when = QDateTime::currentDateTime()) const;
    // As Take, into a folder of its own even when a checkpoint of the same second exists: the next
    // free second names it.
    QString TakeSeparate(const QString& eventFolder, const QDateTime& when = QDateTime::currentDateTime()) const;
    // As Take, unless the newest checkpoint already holds the same event files with the same bytes:
    // then nothing is copied and its folder is returned.
    QString TakeIfChanged(const QString& eventFolder, const QDateTime& when = QDateTime::currentDateTime()) const;
    // Whether two folders hold the same event files, byte for byte.
    static bool SameEventFiles(const QString& first, const QString& second);

private:
    QString m_backupFolder;
};
