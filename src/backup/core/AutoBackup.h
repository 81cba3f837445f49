#pragma once

class CNewZelDoc;

// The step the backup timer runs: the event is written, then a checkpoint of its folder is taken
// into the backup folder. The window only owns the timer.
class CAutoBackup
{
public:
    explicit CAutoBackup(CNewZelDoc& document);

    // False when the event could not be written; no checkpoint is taken then, so the last good
    // one stays the newest.
    bool Run();

private:
    CNewZelDoc& m_document;
};
