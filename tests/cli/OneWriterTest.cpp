#include "BigEvent.h"

#include "data/storage/DataFolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

class OneWriterTest : public ::testing::Test
{
protected:
    QString Data() const { return m_dir.path() + "/Data"; }
    QString Event() const { return Data() + "/DB"; }

    static std::unique_ptr<QProcess> StartResave(const QString& folder)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(RAVIVAZ_CLI), {"resave", folder});
        return process;
    }

    QTemporaryDir m_dir;
};

TEST_F(OneWriterTest, ResaveRefusesADataFolderThatIsHeldAndWritesNothing)
{
    ASSERT_TRUE(BigEvent::WriteOlderFiles(Event()));
    auto held = std::make_unique<CDataFolderLock>(Data());
    ASSERT_EQ(held->TryTake(), CDataFolderLock::Result::Taken);

    const auto refused = StartResave(Event());
    ASSERT_TRUE(refused->waitForFinished(60000));
    EXPECT_EQ(refused->exitCode(), 2);
    const QString message = QString::fromUtf8(refused->readAllStandardError());
    EXPECT_TRUE(message.startsWith(QStringLiteral("ravivaz-cli resave: the data folder \"%1\" is in use by ").arg(Data())))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("process %1;").arg(QCoreApplication::applicationPid())))
        << message.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Event() + "/Guests.ini"));
    EXPECT_FALSE(QFileInfo::exists(Event() + "/WeddingData.xml"));

    // Reading needs no lock.
    QProcess info;
    info.start(QStringLiteral(RAVIVAZ_CLI), {"info", Event()});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_EQ(info.exitCode(), 0);

    held.reset();
    const auto allowed = StartResave(Event());
    ASSERT_TRUE(allowed->waitForFinished(60000));
    EXPECT_EQ(allowed->exitCode(), 0) << allowed->readAllStandardError().constData();
    EXPECT_FALSE(QFileInfo::exists(Data() + "/" + CDataFolderLock::FileName()));
}

TEST_F(OneWriterTest, TwoResavesOfAnOlderEventNeverLoseRecords)
{
    ASSERT_TRUE(BigEvent::WriteOlderFiles(m_dir.path() + "/pristine/DB"));
    // The second run starts at points spread over the first one's load and save.
    for (const int delayMs : {0, 20, 40, 60, 80, 100, 150, 200, 300, 500}) {
        ASSERT_TRUE(QDir(Data()).removeRecursively());
        ASSERT_TRUE(BigEvent::CopyFolder(m_dir.path() + "/pristine/DB", Event()));
        const auto first = StartResave(Event());
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const auto second = StartResave(Event());
        ASSERT_TRUE(first->waitForFinished(60000));
        ASSERT_TRUE(second->waitForFinished(60000));

        const int codes[] = {first->exitCode(), second->exitCode()};
        for (const int code : codes)
            EXPECT_TRUE(code == 0 || code == 2) << "second run after " << delayMs << " ms exited " << code;
        EXPECT_TRUE(codes[0] == 0 || codes[1] == 0) << "second run after " << delayMs << " ms";
        const BigEvent::Counts counts = BigEvent::Load(Event());
        EXPECT_EQ(counts.guests, BigEvent::kGuests) << "second run after " << delayMs << " ms";
        EXPECT_EQ(counts.tables, BigEvent::kTables) << "second run after " << delayMs << " ms";
        EXPECT_FALSE(QFileInfo::exists(Event() + "/Guests.ini"));
    }
}

}
