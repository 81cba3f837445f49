#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every file of a folder with its bytes.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, TestFiles::Read(folder + "/" + name));
    return files;
}

class FullDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = QFileInfo(m_dir.path()).canonicalFilePath() + "/Data/DB";
        ASSERT_TRUE(TestFiles::Write(m_folder + "/Guests.ini",
                                     TestFiles::Cp1255("[Guest0]\r\nNM=משה\r\nAN=3\r\n[Guest1]\r\nNM=רות\r\n")));
        ASSERT_TRUE(TestFiles::Write(m_folder + "/Settings.ini", "[GenSettings]\r\nEventType=1\r\n"));
    }

    CliRun ResaveOnAFullDisk(qint64 bytesThatFit)
    {
        CliLimits limits;
        limits.environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FULL_DISK_SHIM));
        limits.environment.insert(QStringLiteral("RAVIVAZ_FULL_DISK_FOLDER"), m_folder);
        limits.environment.insert(QStringLiteral("RAVIVAZ_FULL_DISK_AFTER"), QString::number(bytesThatFit));
        return Cli({QStringLiteral("--lang"), QStringLiteral("he"), QStringLiteral("resave"), m_folder}, limits);
    }

    QTemporaryDir m_dir;
    QString m_folder;
};

TEST_F(FullDisk, NothingFitsAndEveryFileStaysAsItWas)
{
    const QMap<QString, QByteArray> before = Snapshot(m_folder);
    const CliRun run = ResaveOnAFullDisk(0);
    EXPECT_EQ(run.exitCode, 1) << run.err.constData();
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("הנתונים לא נשמרו!"))) << run.err.constData();
    EXPECT_EQ(Snapshot(m_folder), before);
}

TEST_F(FullDisk, ADataFileCutShortIsNeverRenamedOverTheOldOne)
{
    ASSERT_EQ(Cli({QStringLiteral("resave"), m_folder}).exitCode, 0);
    const QByteArray saved = TestFiles::Read(m_folder + "/WeddingData.xml");
    ASSERT_GT(saved.size(), 2000);
    // Room for the settings, not for the whole data file.
    for (qint64 room : {qint64(600), qint64(1500), saved.size() - 10}) {
        const CliRun run = ResaveOnAFullDisk(room);
        EXPECT_EQ(run.exitCode, 1) << room;
        EXPECT_EQ(TestFiles::Read(m_folder + "/WeddingData.xml"), saved) << room;
        EXPECT_EQ(QDir(m_folder).entryList({QStringLiteral("*.??????")}, QDir::Files), QStringList()) << room;
    }
    ASSERT_EQ(Cli({QStringLiteral("resave"), m_folder}).exitCode, 0);
    EXPECT_EQ(TestFiles::Read(m_folder + "/WeddingData.xml"), saved);
}

TEST_F(FullDisk, AConversionThatFailsKeepsTheOlderFiles)
{
    const QByteArray guests = TestFiles::Read(m_folder + "/Guests.ini");
    const CliRun run = ResaveOnAFullDisk(3000);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(TestFiles::Read(m_folder + "/Guests.ini"), guests);
    EXPECT_FALSE(QFileInfo::exists(m_folder + "/WeddingData.xml"));
}

}
