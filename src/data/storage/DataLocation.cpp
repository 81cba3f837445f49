#include "data/storage/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString ProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

}

CDataLocation::CDataLocation() = default;

CDataLocation::CDataLocation(const QString& dataFolder)
    : m_dataFolder(QDir::cleanPath(QDir(dataFolder).absolutePath()))
{
}

QString CDataLocation::GetDataFolder() const
{
    if (m_dataFolder.isEmpty()) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty()) {
            base = ProgramFolder();
        } else {
            base += QStringLiteral("/Kalinora/Heb");
            QDir().mkpath(base);
        }
        m_dataFolder = base + QStringLiteral("/Data");
    }
    return m_dataFolder;
}

QString CDataLocation::GetEventsRegistryPath() const
{
    return GetDataFolder() + QStringLiteral("/events.ini");
}

QString CDataLocation::GetEventFolder() const
{
    const QString folder = CurrentEventFolder();
    QDir().mkpath(GetDataFolder());
    QDir().mkpath(folder);
    return folder;
}

void CDataLocation::SetEventFolder(const QString& folder)
{
    m_eventFolder = folder;
}

QString CDataLocation::CurrentEventFolder() const
{
    return m_eventFolder.isEmpty() ? EventFolder(0) : m_eventFolder;
}

QString CDataLocation::GetBackupFolder() const
{
    const QString folder = GetDataFolder() + QStringLiteral("/BackUp");
    QDir().mkpath(folder);
    return folder;
}

QString CDataLocation::GetFilePath(int code) const
{
    const QString name = FileName(code);
    if (name.isEmpty())
        return QString();
    return CurrentEventFolder() + QLatin1Char('/') + name;
}

QString CDataLocation::EventFolder(int n) const
{
    return GetDataFolder() + QLatin1Char('/') + EventId(n);
}

QString CDataLocation::EventId(int n)
{
    return n == 0 ? QStringLiteral("DB") : QStringLiteral("DB%1").arg(n);
}

QString CDataLocation::FileName(int code)
{
    static const char* const names[] = {
        "Guests.ini", "WeddingData.xml", "Expences.ini", "Groups.ini", "Settings.ini",
        "../AppSettings.ini", "Tables.ini", "Meetings.ini", "Category.ini", "Offers.ini",
        "GanArrangement.ini", "Checkpoint.ini", "Tasks.ini",
    };
    if (code < 0 || code >= int(std::size(names)))
        return QString();
    return QString::fromLatin1(names[code]);
}

QString CDataLocation::GetProgramFolder(bool withSeparator)
{
    const QString folder = ProgramFolder();
    return withSeparator ? folder + QLatin1Char('/') : folder;
}
