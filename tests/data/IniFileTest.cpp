#include "data/storage/IniFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TestFiles::Cp1255;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }
    QString WriteIni(const QString& name, const QByteArray& bytes) const
    {
        const QString path = PathOf(name);
        EXPECT_TRUE(TestFiles::Write(path, bytes));
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(IniFileTest, FirstMatchWinsAndNamesIgnoreCase)
{
    const QString path = WriteIni("a.ini", "[Gen]\r\nKey=first\r\nkey=second\r\n[GEN]\r\nOther=x\r\n");
    CIniFile file(path);
    EXPECT_EQ(file.GetString("gen", "KEY"), "first");
    // A second section of the same name is never looked at.
    EXPECT_FALSE(file.HasKey("Gen", "Other"));
    EXPECT_EQ(file.GetString("Gen", "Missing", "def"), "def");
    EXPECT_EQ(file.GetString("NoSuch", "Key", "def"), "def");
}

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    CIniFile file(PathOf("none.ini"));
    EXPECT_EQ(file.GetString("A", "b", "def"), "def");
    EXPECT_EQ(file.GetInt("A", "b", 42), 42);
    EXPECT_TRUE(file.SectionNames().isEmpty());
}

TEST_F(IniFileTest, IntegersReadAsThePlatformDoes)
{
    const QString path = WriteIni("n.ini", "[S]\r\nplain=17\r\nneg=-5\r\ntail=12abc\r\nword=abc\r\nempty=\r\n"
                                           "spaced =  8  \r\n");
    CIniFile file(path);
    EXPECT_EQ(file.GetInt("S", "plain", 0), 17);
    EXPECT_EQ(file.GetInt("S", "neg", 0), -5);
    EXPECT_EQ(file.GetInt("S", "tail", 0), 12);
    EXPECT_EQ(file.GetInt("S", "word", 9), 0);
    EXPECT_EQ(file.GetInt("S", "empty", 9), 9);
    EXPECT_EQ(file.GetInt("S", "spaced", 0), 8);
    EXPECT_EQ(file.GetString("S", "spaced"), "8");
}

TEST_F(IniFileTest, HebrewTextReadsFromWindows1255AndWritesBackTheSameBytes)
{
    const QByteArray bytes = Cp1255("[Guest0]\r\nNM=משה\r\nIS=כן\r\nAD=רחוב הרצל..........תל אביב\r\n");
    ASSERT_EQ(bytes.size(), QString("[Guest0]\r\nNM=משה\r\nIS=כן\r\nAD=רחוב הרצל..........תל אביב\r\n").size());
    const QString path = WriteIni("g.ini", bytes);
    CIniFile file(path);
    EXPECT_EQ(file.GetString("Guest0", "NM"), QString("משה"));
    EXPECT_EQ(file.GetString("guest0", "is"), QString("כן"));
    EXPECT_EQ(file.GetString("Guest0", "AD"), QString("רחוב הרצל..........תל אביב"));

    file.SetString("Guest0", "NM", QString("לא"));
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(TestFiles::Read(path), Cp1255("[Guest0]\r\nNM=לא\r\nIS=כן\r\nAD=רחוב הרצל..........תל אביב\r\n"));
}

TEST_F(IniFileTest, WritesCreateSectionsAndKeysWithCrLf)
{
    const QString path = PathOf("w.ini");
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "GenSettings", "LastUIMode", "3"));
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "GenSettings", "EveName", QString("החתונה")));
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "Events", "Active", "DB1"));
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "GenSettings", "LastUIMode", "5"));
    EXPECT_EQ(TestFiles::Read(path),
              "[GenSettings]\r\nLastUIMode=5\r\nEveName=" + Cp1255("החתונה") + "\r\n[Events]\r\nActive=DB1\r\n");
    EXPECT_EQ(CIniFile::ReadProfileInt(path, "genSETTINGS", "lastuimode", 0), 5);
}

TEST_F(IniFileTest, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    const QString path = WriteIni("d.ini", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "a", "X", QString()));
    EXPECT_EQ(TestFiles::Read(path), "[A]\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "A", QString(), QString()));
    EXPECT_EQ(TestFiles::Read(path), "[B]\r\nz=3\r\n");
    // An empty value is a value, not a deletion.
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "B", "z", ""));
    EXPECT_EQ(TestFiles::Read(path), "[B]\r\nz=\r\n");
    EXPECT_TRUE(CIniFile(path).HasKey("B", "z"));
}

TEST_F(IniFileTest, TextCutAt255BytesOnlyWhenAsked)
{
    const QByteArray longValue(300, '\xf9'); // ש
    const QString path = WriteIni("l.ini", "[S]\r\nk=" + longValue + "\r\n");
    CIniFile file(path);
    EXPECT_EQ(file.GetString("S", "k", QString(), CIniFile::ReadLimit::Cut255), QString(255, QChar(0x05E9)));
    EXPECT_EQ(file.GetString("S", "k").size(), 300);
}

TEST_F(IniFileTest, OddLinesNeitherCrashNorChangeWhatTheProgramDoesNotTouch)
{
    QByteArray bytes = "stray=outside\r\nno equals sign here\r\n[]\r\n=novalue\r\n[S]\n"
                       "undefined=\xca\xd9\xff\n"
                       "utf8=\xd7\x9b\xd7\x9f\r\n"
                       "  quoted = \"  padded  \"  \r\n"
                       "last=1";
    const QString path = WriteIni("odd.ini", bytes);
    CIniFile file(path);
    EXPECT_FALSE(file.HasKey("", "stray"));
    EXPECT_EQ(file.GetString("S", "quoted"), "  padded  ");
    EXPECT_FALSE(file.GetString("S", "undefined").isEmpty());
    EXPECT_EQ(file.GetString("S", "utf8").size(), 4);

    file.SetString("S", "added", "2");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(TestFiles::Read(path), bytes + "\r\nadded=2\r\n");
}

TEST_F(IniFileTest, AVeryLongLineIsReadWhole)
{
    QByteArray bytes = "[S]\r\nbig=";
    bytes += QByteArray(10 * 1024 * 1024, 'a');
    bytes += "\r\nafter=1\r\n";
    CIniFile file(WriteIni("big.ini", bytes));
    EXPECT_EQ(file.GetString("S", "big").size(), 10 * 1024 * 1024);
    EXPECT_EQ(file.GetInt("S", "after", 0), 1);
}

TEST_F(IniFileTest, FailedWriteReportsFalseAndLeavesNothingBehind)
{
    WriteIni("notafolder", "x");
    const QString path = PathOf("notafolder/settings.ini");
    EXPECT_FALSE(CIniFile::WriteProfileString(path, "A", "b", "c"));
    EXPECT_FALSE(CIniFile::WriteProfileString(PathOf("missing/folder/s.ini"), "A", "b", "c"));
    EXPECT_EQ(TestFiles::Read(PathOf("notafolder")), "x");
}

TEST_F(IniFileTest, SaveReplacesTheFileWithoutLeavingTemporaries)
{
    const QString path = WriteIni("s.ini", "[A]\r\nx=1\r\n");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(CIniFile::WriteProfileString(path, "A", "x", QString::number(i)));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"s.ini"});
    EXPECT_EQ(TestFiles::Read(path), "[A]\r\nx=2\r\n");
}

TEST_F(IniFileTest, NewKeysGoBeforeTrailingBlankLinesOfTheirSection)
{
    const QString path = WriteIni("b.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(CIniFile::WriteProfileString(path, "A", "z", "3"));
    EXPECT_EQ(TestFiles::Read(path), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(CIniFile(path).KeyNames("a"), (QStringList{"x", "z"}));
    EXPECT_EQ(CIniFile(path).SectionNames(), (QStringList{"A", "B"}));
}

}
