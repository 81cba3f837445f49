#pragma once

#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QStringList>
#include <QTextStream>

class CDataFolderLock;

// The event folder named on the command line, loaded into a document whose data folder is the
// folder's parent. Closing it writes nothing.
class CFolderSession
{
public:
    // Without messages of its own the session prints the core's messages and answers cautiously.
    CFolderSession(const QString& folder, QTextStream& err, IUserMessages* messages = nullptr);
    CNewZelDoc& Document() { return m_document; }
    CConsoleMessages& Messages() { return m_messages; }

    // Saves the event; false, with a line on the error stream, when it was not written.
    bool Save(const char* command, const QString& folder, QTextStream& err);

    // The one event folder left among the words ("--json" aside); false, and a message, otherwise.
    static bool TakeFolder(QStringList words, const char* command, QString& folder, QTextStream& err);
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
