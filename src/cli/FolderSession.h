#pragma once

#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QTextStream>

class CDataFolderLock;

// The event folder named on the command line, loaded into a document whose data folder is the
// folder's parent. Closing it writes nothing; a command that changes the event saves it.
class CFolderSession
{
public:
    CFolderSession(const QString& folder, QTextStream& err);

    CNewZelDoc& Document() { return m_document; }
    // Saves the event; false, with the reason on err, when it was not written.
    bool Save(const char* command, QTextStream& err);

    // The data file or one of the older files an event was kept in before it.
    static bool IsEventFolder(const QString& folder);
    // Held from before the load to after the save: a second writer must not read the older files
    // while this one replaces them. False, with the holder named on err, when another holds it.
    static bool TakeLock(CDataFolderLock& lock, const char* command, QTextStream& err);

private:
    QString m_folder;
    CDataLocation m_location;
    CConsoleMessages m_messages;
    CNewZelDoc m_document;
};
