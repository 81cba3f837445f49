#include "backup/core/AutoBackup.h"

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"

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
    EventFileSet::TakeCheckpoint(location.GetEventFolder(), location.GetBackupFolder());
    return true;
}
