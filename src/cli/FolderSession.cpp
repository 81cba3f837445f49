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

bool TakeFolder(QStringList words, const char* command, QString& folder, QTextStream& err)
{
    words.removeAll(QStringLiteral("--json"));
    if (words.size() != 1) {
        err << "ravivaz-cli " << command << ": give one event folder\n";
        return false;
    }
    folder = words.front();
    if (!QFileInfo(folder).isDir()) {
        err << "ravivaz-cli " << command << ": \"" << folder << "\" is not a folder\n";
        return false;
    }
    return true;
}

bool IsEventFolder(const QString& folder)
{
    const QDir dir(folder);
    for (const int code : {FC_WEDDING_DATA, FC_SETTINGS, FC_GUESTS, FC_GROUPS, FC_TABLES})
        if (dir.exists(CDataLocation::FileName(code)))
            return true;
    return false;
}

bool TakeLock(CDataFolderLock& lock, const char* command, QTextStream& err)
{
    if (lock.TryTake() != CDataFolderLock::Result::HeldElsewhere)
        return true;
    const QString holder = lock.Holder();
    err << "ravivaz-cli " << command << ": the data folder \"" << lock.DataFolder() << "\" is in use"
        << (holder.isEmpty() ? QString() : QStringLiteral(" by ") + holder)
        << "; close Ravivaz (or wait for the other writer) and try again\n";
    return false;
}

bool SaveSession(CFolderSession& session, const char* command, const QString& folder, QTextStream& err)
{
    if (session.Document().SaveEvent())
        return true;
    err << "ravivaz-cli " << command << ": the event in \"" << folder << "\" was not saved\n";
    return false;
}

