#include "backup/core/AutoBackup.h"

#include "backup/core/CheckpointStore.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

CAutoBackup::CAutoBackup(CNewZelDoc& document)
    : m_document(document)
{
}

bool CAutoBackup::Run()
{
    // The checkpoint copies the files on disk, so the event is written whole first.
    m_document.SetModified();
    if (!m_document.SaveEvent())
        return false;
    CDataLocation& location = m_document.Location();
    // An event left open and untouched would otherwise fill the disk with identical copies.
    CCheckpointStore(location.GetBackupFolder()).TakeIfChanged(location.GetEventFolder());
    return true;
}
