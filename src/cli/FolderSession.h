#pragma once

#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QStringList>
#include <QTextStream>

class CDataFolderLock;

// The event folder named on the command line, loaded into a document whose data folder is the
// folder's parent.
class CFolderSession
{
public:
    CFolderSession(const QString& folder, QTextStream& err);
    CNewZelDoc& Document() { return m_document; }

private:
    CDataLocation m_location;
    CConsoleMessages m_messages;
    CNewZelDoc m_document;
};

// The one folder of a command's words (a "--json" among them left aside).
bool TakeFolder(QStringList words, const char* command, QString& folder, QTextStream& err);
// The data file or one of the older files an event was kept in before it.
bool IsEventFolder(const QString& folder);
// Held from before the load to after the save: a second writer must not read the older files
// while this one replaces them.
bool TakeLock(CDataFolderLock& lock, const char* command, QTextStream& err);
bool SaveSession(CFolderSession& session, const char* command, const QString& folder, QTextStream& err);
