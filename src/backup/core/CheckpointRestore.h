#pragma once

#include <QString>

class CNewZelDoc;

// Puts a checkpoint of the backup folder in place of the active event, asking the user first. The
// current event is saved and checkpointed before anything is replaced, so a restore can be undone;
// the event folder takes the checkpoint's files all or nothing.
class CCheckpointRestore
{
public:
    enum class Result { Restored, Declined, Failed };

    explicit CCheckpointRestore(CNewZelDoc& document);

    // name is a checkpoint folder of the backup folder, as CCheckpointStore lists it.
    Result Restore(const QString& name);

    // "05-03-2007 בשעה 09-04-00": how the question shows a checkpoint's time.
    static QString DateText(const QString& name);

private:
    bool KeepSharing(const QString& stagedSettings) const;
    bool KeepLargerIndex(const QString& stagedCheckpoint) const;
    Result Fail() const;

    CNewZelDoc& m_document;
};
