#include "CliProcess.h"
#include "data/records/EventRecords.h"
#include "data/records/Guest.h"
#include "data/storage/EventFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An event of two guests in its older files, and a spreadsheet beside it.
class ImportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(Folder()));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                     TestFiles::Cp1255(QStringLiteral("[Guest0]\r\nNM=דנה\r\nFM=לוי\r\nST=1\r\n"
                                                                      "[Guest1]\r\nNM=Ron\r\nFM=Cohen\r\nTN=03-1\r\nST=0\r\n"))));
        ASSERT_TRUE(TestFiles::Write(Sheet(), QStringLiteral("שם,שם משפחה,שיכות,קבוצה,מספר מוזמנים\n"
                                                             "דנה,לוי,כלה,חברים,3\n"
                                                             "Ann,Lee,friend,,2\n"
                                                             "אבי,בר,חתן,עבודה,abc\n")
                                                  .toUtf8()));
    }
    QString Folder() const { return m_dir.path() + "/Data/DB"; }
    QString Sheet() const { return m_dir.path() + "/guests.csv"; }
    QString Out(const CliRun& run) const { return QString::fromUtf8(run.out); }

    QTemporaryDir m_dir;
};

}

TEST_F(ImportCommandTest, SheetWithTheRelationAnsweredYesAddsSavesAndLists)
{
    const CliRun run = Cli({"--lang", "he", "import", Folder(), Sheet(), "--relation-answer", "yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(Out(run), QStringLiteral("added\tAnn Lee\nadded\tאבי בר\nskipped\tדנה לוי\talready in the event\n"
                                       "2 added, 1 skipped\n"));
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("למוזמן Ann Lee לא הוגדרה קירבה כראוי")));
    const QByteArray data = TestFiles::Read(Folder() + "/WeddingData.xml");
    EXPECT_TRUE(data.contains("Ann"));
    EXPECT_TRUE(data.contains(QStringLiteral("עבודה").toUtf8()));
    EXPECT_TRUE(data.contains(QStringLiteral("מוזמנים מיובאים").toUtf8()));

    const CliRun info = Cli({"--lang", "he", "info", Folder()});
    EXPECT_TRUE(Out(info).contains("guests: 4\n")) << info.out.constData();
}

TEST_F(ImportCommandTest, RelationAnsweredNoStopsAtThatRowAndGroupPutsAllInOne)
{
    const CliRun run = Cli({"import", Folder(), Sheet(), "--group", "Imported"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(Out(run), QStringLiteral("skipped\tדנה לוי\talready in the event\n0 added, 1 skipped\n"));
}

TEST_F(ImportCommandTest, AnotherEventFolderWithCollidingIds)
{
    CEventRecords records;
    for (const char* name : {"Ron", "Tal"}) {
        auto* guest = new CGuest(nullptr, nullptr, &records.counters);
        guest->SetName(name);
        guest->SetFamilyName("Cohen");
        guest->SetUniqueId(1001);
        records.guests.append(guest);
    }
    const QString other = m_dir.path() + "/Other";
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_TRUE(CEventFile::Write(other + "/WeddingData.xml", records));

    const CliRun run = Cli({"import", Folder(), other, "--auto-groups"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(Out(run), QStringLiteral("added\tTal Cohen\nskipped\tRon Cohen\talready in the event\n1 added, 1 skipped\n"));
}

TEST_F(ImportCommandTest, FailuresExitTwoWithAReason)
{
    const QList<QPair<QStringList, QString>> cases = {
        {{"import", Folder()}, "give the event folder and the source"},
        {{"import", Folder(), Sheet(), "--group"}, "--group needs the name of a group"},
        {{"import", Folder(), Sheet(), "--group", "G", "--auto-groups"}, "either --group NAME or --auto-groups"},
        {{"import", Folder(), Sheet(), "--relation-answer", "maybe"}, "--relation-answer takes yes or no"},
        {{"import", m_dir.path() + "/none", Sheet()}, "holds no event"},
        {{"import", Folder(), m_dir.path() + "/none.xls"}, "does not exist"},
        {{"import", Folder(), m_dir.path()}, "no guests could be read"},
        {{"export-csv", Folder()}, "give the event folder and the file to write"},
        {{"export-csv", Folder(), m_dir.path() + "/no/such/dir/x.csv"}, "could not be written"},
    };
    for (const auto& [arguments, reason] : cases) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(reason)) << run.err.constData();
    }
    EXPECT_FALSE(QFileInfo::exists(Folder() + "/WeddingData.xml"));
}

TEST_F(ImportCommandTest, ExportCsvWritesTheGuestsWhoHaveNotAnswered)
{
    const QString out = m_dir.path() + "/Guests.csv";
    const CliRun run = Cli({"export-csv", Folder(), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(Out(run), "wrote " + QFileInfo(out).absoluteFilePath() + "\n");
    EXPECT_EQ(TestFiles::Read(out), TestFiles::Cp1255(QStringLiteral("שם האורח,מס' טלפון ראשי,מס' טלפון נוסף,מס' אורחים משוער\n"
                                                                      "Ron Cohen,03-1,,2\n")));
}
