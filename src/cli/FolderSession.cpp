#include "cli/FolderSession.h"

#include <QDir>
#include <QFileInfo>

CFolderSession::CFolderSession(const QString& folder, QTextStream& err)
    : m_location(QFileInfo(folder).absoluteDir().absolutePath())
    , m_messages(err)
    , m_document(m_location, &m_messages)
{
    m_document.DiscardOnClose();
    m_document.UseEventFolder(folder);
    m_document.LoadEvent();
}
