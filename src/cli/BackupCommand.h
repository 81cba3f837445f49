#pragma once

#include <QTextStream>

class CCliOptions;

// "checkpoint FOLDER": takes a checkpoint of an event folder into the backup folder beside it and
// prints the checkpoint's folder name.
int RunCheckpoint(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "checkpoints": the checkpoints of the data folder, newest first: guest count, name, event name.
int RunCheckpoints(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "restore FOLDER NAME": puts a checkpoint in place of an event folder, keeping the event's own
// sharing settings when the checkpoint belongs to another event.
int RunRestore(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "export-event FOLDER TARGET [--replace]": writes the event's files into a folder; an earlier
// event there is replaced only with --replace.
int RunExportEvent(const CCliOptions& options, QTextStream& out, QTextStream& err);
