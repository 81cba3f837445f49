#include "BackupFixture.h"
#include "backup/core/AutoBackup.h"
#include "backup/core/CheckpointStore.h"

#include <gtest/gtest.h>

namespace {

TEST(AutoBackup, ATickOverAnUnchangedEventTakesNoNewCheckpoint)
{
    BackupFixture home;
    CNewZelDoc& document = home.Open();
    document.AddGuest("Dana", "Levi", nullptr);
    const CCheckpointStore store(home.BackupFolder());
    ASSERT_TRUE(CAutoBackup(document).Run());
    ASSERT_EQ(store.List().size(), 1);
    // As if that checkpoint were taken a tick ago.
    ASSERT_TRUE(QDir(home.BackupFolder()).rename(store.List().front().name, "05-03-2007--09-04-00"));

    ASSERT_TRUE(CAutoBackup(document).Run());
    EXPECT_EQ(store.List().size(), 1);

    document.AddGuest("Avi", "Cohen", nullptr);
    ASSERT_TRUE(CAutoBackup(document).Run());
    const QList<CCheckpointStore::Entry> entries = store.List();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.front().guestsCount, 2);
}

}
