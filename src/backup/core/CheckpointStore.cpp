#include "backup/core/CheckpointStore.h"

#include "data/storage/EventFileSet.h"
#include "data/storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

CCheckpointStore::CCheckpointStore(const QString& backupFolder)
    : m_backupFolder(backupFolder)
{
}

QString CCheckpointStore::Folder(const QString& name) const
{
    return m_backupFolder + QLatin1Char('/') + name;
}

QList<CCheckpointStore::Entry> CCheckpointStore::List() const
{
    QStringList names = QDir(m_backupFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const QDateTime first = EventFileSet::CheckpointTime(a);
        const QDateTime second = EventFileSet::CheckpointTime(b);
        if (first.isValid() != second.isValid())
            return first.isValid();
        return first.isValid() ? first > second : a > b;
    });
    QList<Entry> entries;
    for (const QString& name : std::as_const(names)) {
        const CIniFile settings(Folder(name) + QStringLiteral("/Settings.ini"));
        entries.append({name, settings.GetInt(QStringLiteral("GuestsCount"), QStringLiteral("GuestsCount"), 0),
                        settings.GetString(QStringLiteral("GenSettings"), QStringLiteral("EveName"))});
    }
    return entries;
}

QString CCheckpointStore::Take(const QString& eventFolder, const QDateTime& when) const
{
    return EventFileSet::TakeCheckpoint(eventFolder, m_backupFolder, when);
}

QString CCheckpointStore::TakeSeparate(const QString& eventFolder, const QDateTime& when) const
{
    QDateTime free = when;
    while (QFileInfo::exists(Folder(EventFileSet::CheckpointName(free))))
        free = free.addSecs(1);
    return Take(eventFolder, free);
}

QString CCheckpointStore::TakeIfChanged(const QString& eventFolder, const QDateTime& when) const
{
    const QList<Entry> entries = List();
    if (!entries.isEmpty() && SameEventFiles(eventFolder, Folder(entries.front().name)))
        return Folder(entries.front().name);
    return Take(eventFolder, when);
}

bool CCheckpointStore::SameEventFiles(const QString& first, const QString& second)
{
    for (const QString& name : EventFileSet::FileSet(false)) {
        const QString a = first + QLatin1Char('/') + name;
        const QString b = second + QLatin1Char('/') + name;
        const bool inFirst = QFileInfo(a).isFile();
        if (inFirst != QFileInfo(b).isFile())
            return false;
        if (inFirst && (QFileInfo(a).size() != QFileInfo(b).size() || Bytes(a) != Bytes(b)))
            return false;
    }
    return true;
}
