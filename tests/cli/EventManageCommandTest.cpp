#include "CliProcess.h"
#include "data/storage/IniFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EventManageCommandTest : public ::testing::Test
{
protected:
    QString Data() const { return m_dir.path() + "/Data"; }
    QString Setting(const QString& id, const QString& section, const QString& key) const
    {
        return CIniFile::ReadProfileString(Data() + "/" + id + "/Settings.ini", section, key);
    }

    QTemporaryDir m_dir;
};

TEST_F(EventManageCommandTest, NewEventCreatesTheNextFolderMakesItActiveAndPrintsIt)
{
    const CliRun first = Cli({"--data", Data(), "--lang", "he", "new-event", "--type", "0", "--name1", "דנה", "--name2", "אבי",
                              "--date", "2027-06-01", "--groups"});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    EXPECT_EQ(QString::fromUtf8(first.out), QString("DB1\t%1/DB1\n").arg(Data()));
    EXPECT_EQ(Setting("DB1", "GenSettings", "EveName"), QStringLiteral("החתונה של דנה ואבי"));
    EXPECT_EQ(Setting("DB1", "KeySettings", "WeddingYear"), "2027");
    EXPECT_TRUE(TestFiles::Read(Data() + "/DB1/WeddingData.xml").contains("<grName><![CDATA[אבי-חברים מהצבא]]></grName>"));

    const CliRun second = Cli({"--data", Data(), "new-event", "--type", "3", "--name1", "דני", "--copy-from", Data() + "/DB1"});
    ASSERT_EQ(second.exitCode, 0) << second.err.constData();
    EXPECT_EQ(QString::fromUtf8(second.out), QString("DB2\t%1/DB2\n").arg(Data()));
    // The settings file keeps no blank at the end of a value.
    EXPECT_EQ(Setting("DB2", "GenSettings", "EveName"), QStringLiteral("בר המצוה של דני"));
    EXPECT_EQ(Setting("DB2", "GenSettings", "EventType"), "3");
    EXPECT_EQ(CIniFile::ReadProfileString(Data() + "/events.ini", "Events", "Active"), "DB2");

    const CliRun events = Cli({"--data", Data(), "events"});
    EXPECT_TRUE(QString::fromUtf8(events.out).startsWith(QStringLiteral("DB\t")));
    EXPECT_TRUE(QString::fromUtf8(events.out).contains(QStringLiteral("*DB2\tבר המצוה של דני\t")));
}

TEST_F(EventManageCommandTest, BadWordsExitTwoWithAClearMessage)
{
    const QList<std::pair<QStringList, const char*>> cases = {
        {{"new-event", "--name1", "Dana"}, "--type takes a number from 0 to 6"},
        {{"new-event", "--type", "9", "--name1", "Dana"}, "--type takes a number from 0 to 6"},
        {{"new-event", "--type", "0", "--name1", "Dana"}, "give --name1 and --name2"},
        {{"new-event", "--type", "2"}, "give --name1"},
        {{"new-event", "--type", "2", "--name1", "Dana", "--date", "1.2.2027"}, "--date takes YYYY-MM-DD"},
        {{"new-event", "--type", "2", "--name1", "Dana", "--copy-from", "/nowhere"}, "holds no WeddingData.xml"},
        {{"new-event", "--type", "2", "--name1", "Dana", "--colour"}, "unknown word \"--colour\""},
    };
    for (const auto& [words, message] : cases) {
        const CliRun run = Cli(QStringList{"--data", Data()} + words);
        EXPECT_EQ(run.exitCode, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    EXPECT_FALSE(QFileInfo::exists(Data() + "/DB1"));
}

}
