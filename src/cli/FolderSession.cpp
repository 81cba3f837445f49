#include "cli/FolderSession.h"

#include "data/storage/DataFolderLock.h"

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

bool CFolderSession::IsEventFolder(const QString& folder)
{
    const QDir dir(folder);
    for (const int code : {FC_WEDDING_DATA, FC_SETTINGS, FC_GUESTS, FC_GROUPS, FC_TABLES})
        if (dir.exists(CDataLocation::FileName(code)))
            return true;
    return false;
}

bool CFolderSession::TakeLock(CDataFolderLock& lock, const char* command, QTextStream& err)
{
    if (lock.TryTake() != CDataFolderLock::Result::HeldElsewhere)
        return true;
    const QString holder = lock.Holder();
    err << "ravivaz-cli " << command << ": the data folder \"" << lock.DataFolder() << "\" is in use"
        << (holder.isEmpty() ? QString() : QStringLiteral(" by ") + holder)
        << "; close Ravivaz (or wait for the other writer) and try again\n";
    return false;
}
