#include "data/storage/EventFileSet.h"

#include "data/storage/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace EventFileSet {

namespace {

bool SameFile(const QString& source, const QString& target)
{
    const QFileInfo targetInfo(target);
    return source == target || (targetInfo.exists() && QFileInfo(source).canonicalFilePath() == targetInfo.canonicalFilePath());
}

// The copy lands under a temporary name and replaces the target only once it is complete.
bool CopyWhole(const QString& source, const QString& target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return AtomicFile::Write(target, bytes);
}

bool MoveWhole(const QString& source, const QString& target)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    // Another file system: a copy, and the source goes only once the copy is whole.
    return CopyWhole(source, target) && QFile::remove(source);
}

}

QStringList FileSet(bool withAppSettings)
{
    QStringList files = {"Expences.ini", "Guests.ini",  "Groups.ini",         "Tables.ini",
                         "Meetings.ini", "Category.ini", "Offers.ini",        "GanArrangement.ini",
                         "Tasks.ini",    "Checkpoint.ini", "Settings.ini",    "WeddingData.xml"};
    if (withAppSettings)
        files << QStringLiteral("../AppSettings.ini");
    return files;
}

bool CopyEventFiles(const QString& sourceFolder, const QString& targetFolder, bool withAppSettings, bool move)
{
    bool allDone = true;
    for (const QString& name : FileSet(withAppSettings)) {
        const QString source = QDir::cleanPath(sourceFolder + QLatin1Char('/') + name);
        if (!QFileInfo(source).isFile())
            continue;
        const QString target = QDir::cleanPath(targetFolder + QLatin1Char('/') + name);
        // A file handed onto itself is already where it belongs.
        if (SameFile(source, target))
            continue;
        const bool done = move ? MoveWhole(source, target) : CopyWhole(source, target);
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

QDateTime CheckpointTime(const QString& name)
{
    return QDateTime::fromString(name, QStringLiteral("dd-MM-yyyy--HH-mm-ss"));
}

QString TakeCheckpoint(const QString& eventFolder, const QString& backupFolder, const QDateTime& when)
{
    const QString folder = backupFolder + QLatin1Char('/') + CheckpointName(when);
    if (!QDir().mkpath(folder))
        return QString();
    CopyEventFiles(eventFolder, folder, true, false);
    return folder;
}

}
