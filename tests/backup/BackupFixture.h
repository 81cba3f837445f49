#pragma once

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <memory>

// A data folder of its own with the first event "DB" and its backup folder.
class BackupFixture
{
public:
    BackupFixture()
        : m_location(m_dir.path() + QStringLiteral("/Data"))
    {
        QDir().mkpath(EventFolder());
    }

    QString DataFolder() const { return m_dir.path() + QStringLiteral("/Data"); }
    QString EventFolder() const { return DataFolder() + QStringLiteral("/DB"); }
    QString BackupFolder() const { return DataFolder() + QStringLiteral("/BackUp"); }
    CDataLocation& Location() { return m_location; }
    CScriptedMessages& Messages() { return m_messages; }

    // The document of the data folder's active event, loaded.
    CNewZelDoc& Open()
    {
        m_document = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        m_document->DiscardOnClose();
        m_document->LoadEvent();
        return *m_document;
    }

    // Every file of a folder with its bytes.
    static QMap<QString, QByteArray> Snapshot(const QString& folder)
    {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            files.insert(name, TestFiles::Read(folder + QLatin1Char('/') + name));
        return files;
    }

private:
    QTemporaryDir m_dir;
    CDataLocation m_location;
    CScriptedMessages m_messages;
    std::unique_ptr<CNewZelDoc> m_document;
};
