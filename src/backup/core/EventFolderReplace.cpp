#include "backup/core/EventFolderReplace.h"

#include "data/storage/EventFileSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

Q_LOGGING_CATEGORY(lcReplace, "WEDDING - CEventFolderReplace")

namespace {

// The staging folder lies in the data folder, on the event folder's file system.
QString StagingTemplate(const QString& dataFolder)
{
    QDir().mkpath(dataFolder);
    return dataFolder + QStringLiteral("/.staging-XXXXXX");
}

bool Rename(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}

CEventFolderReplace::CEventFolderReplace(const QString& dataFolder, const QString& eventFolder)
    : m_eventFolder(eventFolder)
    , m_staging(StagingTemplate(dataFolder))
{
}

bool CEventFolderReplace::Stage(const QString& sourceFolder)
{
    return IsReady() && EventFileSet::CopyEventFiles(sourceFolder, StagingFolder(), false, false);
}

bool CEventFolderReplace::Commit()
{
    if (!IsReady())
        return false;
    // The old files step aside into the staging folder first, so each can go back if a later step
    // fails; renames inside the data folder cannot leave a file half written.
    const QString aside = StagingFolder() + QStringLiteral("/.replaced");
    if (!QDir().mkpath(aside))
        return false;
    QStringList movedAside;
    QStringList movedIn;
    const QStringList names = EventFileSet::FileSet(false);
    for (const QString& name : names) {
        const QString current = m_eventFolder + QLatin1Char('/') + name;
        if (!QFileInfo(current).isFile())
            continue;
        if (!Rename(current, aside + QLatin1Char('/') + name)) {
            qCWarning(lcReplace) << "Commit: cannot move aside" << current;
            return PutBack(movedIn, movedAside, aside);
        }
        movedAside << name;
    }
    for (const QString& name : names) {
        const QString staged = StagingFolder() + QLatin1Char('/') + name;
        if (!QFileInfo(staged).isFile())
            continue;
        if (!Rename(staged, m_eventFolder + QLatin1Char('/') + name)) {
            qCWarning(lcReplace) << "Commit: cannot put in place" << staged;
            return PutBack(movedIn, movedAside, aside);
        }
        movedIn << name;
    }
    QDir(aside).removeRecursively();
    return true;
}

bool CEventFolderReplace::PutBack(const QStringList& movedIn, const QStringList& movedAside, const QString& aside)
{
    for (const QString& name : movedIn)
        QFile::remove(m_eventFolder + QLatin1Char('/') + name);
    for (const QString& name : movedAside)
        Rename(aside + QLatin1Char('/') + name, m_eventFolder + QLatin1Char('/') + name);
    return false;
}
