#include "data/storage/EventFileSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace EventFileSet {

QStringList FileSet(bool withAppSettings)
{
    QStringList files = {"Expences.ini", "Guests.ini",  "Groups.ini",         "Tables.ini",
                         "Meetings.ini", "Category.ini", "Offers.ini",        "GanArrangement.ini",
                         "Tasks.ini",    "Checkpoint.ini", "Settings.ini",    "WeddingData.xml"};
    if (withAppSettings)
        files << QStringLiteral("../AppSettings.ini");
    return files;
}

bool CopyEventFiles(const QString& sourceFolder, const QString& targetFolder, bool withAppSettings, bool move,
                    bool deleteFirst)
{
    bool allDone = true;
    for (const QString& name : FileSet(withAppSettings)) {
        const QString source = QDir::cleanPath(sourceFolder + QLatin1Char('/') + name);
        if (!QFileInfo(source).isFile())
            continue;
        const QString target = QDir::cleanPath(targetFolder + QLatin1Char('/') + name);
        if (deleteFirst || QFileInfo::exists(target))
            QFile::remove(target);
        const bool done = move ? QFile::rename(source, target) : QFile::copy(source, target);
        allDone = allDone && done;
    }
    return allDone;
}

QString CheckpointName(const QDateTime& when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    return QStringLiteral("%1-%2-%3--%4-%5-%6")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year())
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QString TakeCheckpoint(const QString& eventFolder, const QString& backupFolder, const QDateTime& when)
{
    const QString folder = backupFolder + QLatin1Char('/') + CheckpointName(when);
    if (!QDir().mkpath(folder))
        return QString();
    CopyEventFiles(eventFolder, folder, true, false, false);
    return folder;
}

}
