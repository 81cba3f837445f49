#pragma once

#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

#include <QTextStream>

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
