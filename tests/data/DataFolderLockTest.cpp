#include "data/storage/DataFolderLock.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DataFolderLock, ASecondHolderIsRefusedUntilTheFirstLetsGo)
{
    QTemporaryDir dir;
    const QString data = dir.path() + "/Data";
    {
        CDataFolderLock first(data);
        ASSERT_EQ(first.TryTake(), CDataFolderLock::Result::Taken);
        EXPECT_TRUE(QFileInfo::exists(data + "/Ravivaz.lock"));

        CDataFolderLock second(data);
        EXPECT_EQ(second.TryTake(), CDataFolderLock::Result::HeldElsewhere);
        EXPECT_FALSE(second.IsTaken());
        EXPECT_TRUE(second.Holder().endsWith(QStringLiteral(", process %1").arg(QCoreApplication::applicationPid())))
            << second.Holder().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(data + "/Ravivaz.lock"));
    CDataFolderLock later(data);
    EXPECT_EQ(later.TryTake(), CDataFolderLock::Result::Taken);
}

TEST(DataFolderLock, TheLockOfARunThatCrashedIsTakenOver)
{
    QTemporaryDir dir;
    // A process that has ended stands for the crashed run.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 pid = gone.processId() ? gone.processId() : 999999;
    ASSERT_TRUE(TestFiles::Write(dir.path() + "/Ravivaz.lock",
                                 QByteArray::number(pid) + "\nRavivaz\n" + QSysInfo::machineHostName().toUtf8() + "\n"));

    CDataFolderLock lock(dir.path());
    EXPECT_EQ(lock.TryTake(), CDataFolderLock::Result::Taken);
    EXPECT_TRUE(lock.Holder().endsWith(QStringLiteral(", process %1").arg(QCoreApplication::applicationPid())));
}

TEST(DataFolderLock, AFolderWhereNoLockCanBeMadeIsUnavailable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestFiles::Write(dir.path() + "/file", "x"));
    CDataFolderLock lock(dir.path() + "/file");
    EXPECT_EQ(lock.TryTake(), CDataFolderLock::Result::Unavailable);
}

}
