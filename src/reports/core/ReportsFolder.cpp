#include "reports/core/ReportsFolder.h"

#include "data/document/UserMessages.h"

#include <QDir>
#include <QFileInfo>

CReportsFolder::CReportsFolder(const QString& dataFolder)
    : m_path(QDir(dataFolder).filePath(QStringLiteral("Reports")))
{
}

bool CReportsFolder::Ensure(IUserMessages* messages) const
{
    if (QFileInfo(m_path).isDir() || QDir().mkpath(m_path))
        return true;
    if (messages)
        messages->MessageByText(QStringLiteral("Cannot create reports folder: ") + m_path,
                                QStringLiteral("Cannot create reports folder"), MSG_OK);
    return false;
}

QString CReportsFolder::ProposedName(const QString& baseName, const QString& extension) const
{
    for (int number = 1;; ++number) {
        const QString path = QStringLiteral("%1/%2%3.%4").arg(m_path, baseName, QString::number(number), extension);
        if (!QFileInfo::exists(path))
            return path;
    }
}
