#include "data/storage/DataFolderLock.h"

#include <QDir>

CDataFolderLock::CDataFolderLock(const QString& dataFolder)
    : m_dataFolder(QDir::cleanPath(dataFolder))
    , m_lock(m_dataFolder + QLatin1Char('/') + FileName())
{
    // Held for hours while the program runs: only a holder that is gone makes the lock stale.
    m_lock.setStaleLockTime(0);
}

QString CDataFolderLock::FileName()
{
    return QStringLiteral("Ravivaz.lock");
}

CDataFolderLock::Result CDataFolderLock::TryTake()
{
    if (m_lock.isLocked())
        return Result::Taken;
    QDir().mkpath(m_dataFolder);
    if (m_lock.tryLock(0))
        return Result::Taken;
    return m_lock.error() == QLockFile::LockFailedError ? Result::HeldElsewhere : Result::Unavailable;
}

QString CDataFolderLock::Holder() const
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!m_lock.getLockInfo(&pid, &host, &program))
        return QString();
    return QStringLiteral("%1, process %2").arg(program.isEmpty() ? QStringLiteral("?") : program).arg(pid);
}
