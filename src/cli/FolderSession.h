#pragma once

#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QTextStream>

class CDataFolderLock;

// The event folder named on the command line, loaded into a document whose data folder is the
// folder's parent.
class CFolderSession
{
public:
    CFolderSession(const QString& folder, QTextStream& err);
    CNewZelDoc& Document() { return m_document; }
    CConsoleMessages& Messages() { return m_messages; }

    // The data file or one of the older files an event was kept in before it.
    static bool IsEventFolder(const QString& folder);
    // Held from before the load to after the save: a second writer must not read the older files
    // while this one replaces them. False, with a message, when another writer holds the folder.
    static bool TakeLock(CDataFolderLock& lock, const char* command, QTextStream& err);

private:
    CDataLocation m_location;
    CConsoleMessages m_messages;
    CNewZelDoc m_document;
};
