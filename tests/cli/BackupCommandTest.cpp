#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files.insert(name, TestFiles::Read(folder + "/" + name));
    return files;
}

class BackupCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestFiles::Write(Data() + "/events.ini", "[Events]\r\nActive=DB\r\n"));
        ASSERT_TRUE(TestFiles::Write(Event() + "/Settings.ini",
                                     TestFiles::Cp1255(QStringLiteral("[GenSettings]\r\nEveName=החתונה\r\n[GuestsCount]\r\nGuestsCount=2\r\n"))));
        ASSERT_TRUE(TestFiles::Write(Event() + "/Guests.ini", "[Guest0]\r\nNM=Dana\r\n[Guest1]\r\nNM=Avi\r\n"));
        ASSERT_TRUE(TestFiles::Write(Event() + "/Checkpoint.ini", "[Checkpoint]\r\nCpIndex=0\r\n"));
    }
    QString Data() const { return QFileInfo(m_dir.path()).canonicalFilePath() + "/Data"; }
    QString Event() const { return Data() + "/DB"; }
    QString Checkpoint()
    {
        const CliRun run = Cli({"--data", Data(), "checkpoint", Event()});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        return QString::fromUtf8(run.out).trimmed();
    }

    QTemporaryDir m_dir;
};

TEST_F(BackupCommandTest, CheckpointCopiesTheFolderAndTheListShowsIt)
{
    const QString name = Checkpoint();
    EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}--\\d\\d-\\d\\d-\\d\\d$").match(name).hasMatch()) << name.toStdString();
    EXPECT_EQ(Snapshot(Data() + "/BackUp/" + name), Snapshot(Event()));
    ASSERT_TRUE(QDir().mkpath(Data() + "/BackUp/01-01-2001--00-00-00"));

    const CliRun list = Cli({"--data", Data(), "checkpoints"});
    ASSERT_EQ(list.exitCode, 0) << list.err.constData();
    EXPECT_EQ(QString::fromUtf8(list.out), "2\t" + name + QStringLiteral("\tהחתונה\n") + "0\t01-01-2001--00-00-00\t\n");
}

TEST_F(BackupCommandTest, RestorePutsTheCheckpointBackAndCanBeUndone)
{
    const QString name = Checkpoint();
    const QMap<QString, QByteArray> saved = Snapshot(Event());
    ASSERT_TRUE(TestFiles::Write(Event() + "/Guests.ini", "[Guest0]\r\nNM=Changed\r\n"));
    ASSERT_TRUE(TestFiles::Write(Event() + "/Tables.ini", "[Table0]\r\nName=t\r\n"));
    ASSERT_TRUE(QDir().mkpath(Data() + "/BackUp/01-01-2001--00-00-00"));

    const CliRun run = Cli({"--data", Data(), "restore", Event(), name});

    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out), "restored " + name + " into " + Event() + "\n");
    EXPECT_EQ(Snapshot(Event()), saved);
    const QStringList checkpoints = QDir(Data() + "/BackUp").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(checkpoints.size(), 3);
}

TEST_F(BackupCommandTest, ARestoreThatCannotCopyLeavesTheEventWhole)
{
    ASSERT_TRUE(TestFiles::Write(Event() + "/WeddingData.xml", QByteArray(4096, 'x').prepend("<WeddingData>").append("</WeddingData>")));
    const QString name = Checkpoint();
    ASSERT_TRUE(TestFiles::Write(Event() + "/Guests.ini", "[Guest0]\r\nNM=Changed\r\n"));
    const QMap<QString, QByteArray> before = Snapshot(Event());
    CliLimits limits;
    limits.environment.insert("LD_PRELOAD", FULL_DISK_SHIM);
    limits.environment.insert("RAVIVAZ_FULL_DISK_FOLDER", Data());
    limits.environment.insert("RAVIVAZ_FULL_DISK_AFTER", "100");

    const CliRun run = Cli({"--data", Data(), "restore", Event(), name}, limits);

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("was left as it was")) << run.err.constData();
    EXPECT_EQ(Snapshot(Event()), before);
}

TEST_F(BackupCommandTest, RestoreOfAnUnknownCheckpointExitsTwo)
{
    const CliRun run = Cli({"--data", Data(), "restore", Event(), "01-01-1999--00-00-00"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("no checkpoint \"01-01-1999--00-00-00\"")) << run.err.constData();
}

TEST_F(BackupCommandTest, ExportWritesTheFilesAndReplacesAnEventOnlyWhenTold)
{
    const QString target = m_dir.path() + "/Out";
    const CliRun first = Cli({"--data", Data(), "export-event", Event(), target});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    EXPECT_TRUE(QFileInfo::exists(target + "/WeddingData.xml"));
    EXPECT_EQ(Snapshot(target), Snapshot(Event()));

    const CliRun again = Cli({"--data", Data(), "export-event", Event(), target});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_TRUE(again.err.contains("give --replace")) << again.err.constData();
    const CliRun replaced = Cli({"--data", Data(), "export-event", Event(), target, "--replace"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.constData();

    const CliRun own = Cli({"--data", Data(), "export-event", Event(), Event()});
    EXPECT_EQ(own.exitCode, 2);
    EXPECT_TRUE(own.err.contains("was not exported")) << own.err.constData();
}

}
