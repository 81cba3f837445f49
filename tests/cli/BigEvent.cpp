#include "BigEvent.h"

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace BigEvent {

bool WriteOlderFiles(const QString& eventFolder)
{
    QByteArray guests;
    for (int i = 0; i < kGuests; ++i)
        guests += QStringLiteral("[Guest%1]\r\nNM=Guest%2\r\nAN=2\r\nPN=2\r\n").arg(i).arg(i, 4, 10, QLatin1Char('0')).toLatin1();
    QByteArray tables = "[Table0]\r\nName=\r\nPlaces=0\r\n";
    for (int i = 1; i < kTables; ++i)
        tables += QStringLiteral("[Table%1]\r\nName=T%1\r\nPlaces=10\r\n").arg(i).toLatin1();
    return TestFiles::Write(eventFolder + "/Guests.ini", guests) && TestFiles::Write(eventFolder + "/Tables.ini", tables);
}

bool CopyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (!QFile::copy(from + "/" + name, to + "/" + name))
            return false;
    return true;
}

Counts Load(const QString& eventFolder)
{
    CDataLocation location(QFileInfo(eventFolder).absoluteDir().absolutePath());
    CNewZelDoc document(location, nullptr);
    document.DiscardOnClose();
    document.UseEventFolder(eventFolder);
    document.LoadEvent();
    return {document.GuestCount(), int(document.Tables().size()), document.LoadedDamagedFile()};
}

QStringList Strangers(const QString& eventFolder)
{
    const QStringList known = EventFileSet::FileSet(false);
    QStringList escaped;
    for (const QString& name : known)
        escaped << QRegularExpression::escape(name);
    const QRegularExpression unfinished(QStringLiteral("^(?:%1)\\.[A-Za-z0-9]{6}$").arg(escaped.join(QLatin1Char('|'))));
    QStringList strangers;
    for (const QString& name : QDir(eventFolder).entryList(QDir::Files | QDir::Hidden))
        if (!known.contains(name) && !unfinished.match(name).hasMatch())
            strangers << name;
    return strangers;
}

}
