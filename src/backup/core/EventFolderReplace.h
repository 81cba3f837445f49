#pragma once

#include <QString>
#include <QTemporaryDir>

// Replaces the files of an event folder all or nothing. The new files are first gathered in a
// staging folder inside the data folder; only when every one of them is there does the event folder
// take them, ending with exactly that set of event files (event files the new set lacks are
// removed, files that are no event files stay). Restore and the download from the sharing server
// both end here.
class CEventFolderReplace
{
public:
    CEventFolderReplace(const QString& dataFolder, const QString& eventFolder);

    // False when the staging folder could not be made.
    bool IsReady() const { return m_staging.isValid(); }
    // Where the new files are gathered; a caller may also write them there itself.
    QString StagingFolder() const { return m_staging.path(); }
    // Copies the event files of a folder into the staging folder; false when any copy failed.
    bool Stage(const QString& sourceFolder);
    // Puts the staged files in place of the event folder's. False, with the event folder as it was,
    // when any step failed. The staging folder is removed with the object.
    bool Commit();

private:
    bool PutBack(const QStringList& movedIn, const QStringList& movedAside, const QString& aside);

    QString m_eventFolder;
    QTemporaryDir m_staging;
};
