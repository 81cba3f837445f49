#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The files that make up an event folder, copied whole by checkpoints, restore, export and sharing.
namespace EventFileSet {

// In their fixed order; the last, "../AppSettings.ini", only with the application settings.
QStringList FileSet(bool withAppSettings);

// Moves or copies every file of the set that exists in the source folder. Each target is replaced
// only once its new content is complete, and a file that is its own target stays untouched. True
// when every existing file was handled; a failure does not stop the run.
bool CopyEventFiles(const QString& sourceFolder, const QString& targetFolder, bool withAppSettings, bool move);

// The folder name of a checkpoint taken at a time: "05-03-2007--09-04-00".
QString CheckpointName(const QDateTime& when);
// The time a checkpoint folder's name stands for; invalid for a name of another form.
QDateTime CheckpointTime(const QString& name);
// Copies the event's files, with the application settings, into a new dated folder of the backup
// folder; returns that folder, or an empty text when it could not be created.
QString TakeCheckpoint(const QString& eventFolder, const QString& backupFolder,
                       const QDateTime& when = QDateTime::currentDateTime());

}
