#include "BigEvent.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKillPoints = 200;

// Starts a resave of the event folder and, unless killAfterUs is negative, kills it with SIGKILL
// that many microseconds after it started. Returns how long the run lasted, in microseconds.
qint64 Resave(const QString& folder, qint64 killAfterUs)
{
    const QByteArray program = RAVIVAZ_CLI;
    const QByteArray word = "resave";
    const QByteArray path = folder.toLocal8Bit();
    char* argv[] = {const_cast<char*>(program.data()), const_cast<char*>(word.data()), const_cast<char*>(path.data()),
                    nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    if (killAfterUs >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs));
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
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

        // The next run is killed while this one is checked.
        const auto killAfterUs = [durationUs](int point) { return durationUs * point / (kKillPoints - 1); };
        ASSERT_TRUE(BigEvent::CopyFolder(Pristine(), Run(0)));
        auto running = std::async(std::launch::async, Resave, Run(0), killAfterUs(0));
        for (int point = 0; point < kKillPoints; ++point) {
            running.wait();
            if (point + 1 < kKillPoints) {
                ASSERT_TRUE(BigEvent::CopyFolder(Pristine(), Run(point + 1)));
                running = std::async(std::launch::async, Resave, Run(point + 1), killAfterUs(point + 1));
            }
            const QString folder = Run(point);

            // Loading is the same for the same files: most kills leave one of a few states.
            const QByteArray state = FolderState(folder);
            if (!m_loaded.contains(state))
                m_loaded.insert(state, BigEvent::Load(folder));
            const BigEvent::Counts counts = m_loaded.value(state);
            EXPECT_EQ(counts.guests, BigEvent::kGuests) << "killed after " << killAfterUs(point) << " us";
            EXPECT_EQ(counts.tables, BigEvent::kTables) << "killed after " << killAfterUs(point) << " us";
            EXPECT_FALSE(counts.damaged) << "killed after " << killAfterUs(point) << " us";
            EXPECT_EQ(BigEvent::Strangers(folder), QStringList()) << "killed after " << killAfterUs(point) << " us";
            if (HasFailure()) {
                running.wait();
                return;
            }
            QDir(folder).removeRecursively();
        }
    }

    // The names and bytes of a folder's files, hashed.
    static QByteArray FolderState(const QString& folder)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            hash.addData(name.toUtf8() + '\0');
            QFile file(folder + "/" + name);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(&file);
            hash.addData(QByteArrayView("\0", 1));
        }
        return hash.result();
    }

    QTemporaryDir m_dir;
    QHash<QByteArray, BigEvent::Counts> m_loaded;
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
