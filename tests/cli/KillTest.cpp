#include "BigEvent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

constexpr int kKillPoints = 200;

// A resave of the event folder started and, unless killAfterUs is negative, killed with SIGKILL
// that many microseconds after it started. Returns how long the run lasted.
qint64 Resave(const QString& folder, qint64 killAfterUs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    process.start(QStringLiteral(RAVIVAZ_CLI), {QStringLiteral("resave"), folder});
    if (!process.waitForStarted())
        return -1;
    clock.start();
    if (killAfterUs >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs));
        process.kill();
    }
    process.waitForFinished(60000);
    return clock.nsecsElapsed() / 1000;
}

class KillTest : public ::testing::Test
{
protected:
    QString Pristine() const { return m_dir.path() + "/pristine/DB"; }
    QString Run(int n) const { return m_dir.path() + QStringLiteral("/run%1/DB").arg(n); }

    // Kills resaves of copies of the pristine folder at points spread over one whole run, and
    // checks after each that the event still loads whole.
    void KillAcrossTheSave()
    {
        ASSERT_TRUE(BigEvent::CopyFolder(Pristine(), Run(-1)));
        const qint64 durationUs = Resave(Run(-1), -1);
        ASSERT_GT(durationUs, 0);
        ASSERT_EQ(BigEvent::Load(Run(-1)).guests, BigEvent::kGuests);

        for (int point = 0; point < kKillPoints; ++point) {
            const QString folder = Run(point);
            ASSERT_TRUE(BigEvent::CopyFolder(Pristine(), folder));
            const qint64 killAfterUs = durationUs * point / (kKillPoints - 1);
            Resave(folder, killAfterUs);

            const BigEvent::Counts counts = BigEvent::Load(folder);
            EXPECT_EQ(counts.guests, BigEvent::kGuests) << "killed after " << killAfterUs << " us";
            EXPECT_EQ(counts.tables, BigEvent::kTables) << "killed after " << killAfterUs << " us";
            EXPECT_FALSE(counts.damaged) << "killed after " << killAfterUs << " us";
            EXPECT_EQ(BigEvent::Strangers(folder), QStringList()) << "killed after " << killAfterUs << " us";
            if (HasFailure())
                return;
            QDir(folder).removeRecursively();
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(KillTest, ASaveKilledAnywhereLeavesTheWholeEvent)
{
    ASSERT_TRUE(BigEvent::WriteOlderFiles(Pristine()));
    ASSERT_EQ(Resave(Pristine(), -1) > 0, true);
    ASSERT_TRUE(QFileInfo::exists(Pristine() + "/WeddingData.xml"));
    KillAcrossTheSave();
}

TEST_F(KillTest, AConversionOfOlderFilesKilledAnywhereLeavesTheWholeEvent)
{
    ASSERT_TRUE(BigEvent::WriteOlderFiles(Pristine()));
    KillAcrossTheSave();
}

}
