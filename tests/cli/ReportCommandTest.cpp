#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Utf16(const QByteArray& bytes)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
}

// An event of an older version: two tables and three guests, one of them not seated and one
// whose name is markup.
class ReportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Tables.ini",
                                     TestFiles::Cp1255("[Table0]\r\nName=לא משובצים\r\n[Table1]\r\nName=ראשון\r\nInHall=7\r\n")));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                     TestFiles::Cp1255("[Guest0]\r\nNM=דנה\r\nFM=לוי\r\nAN=2\r\nPN=2\r\nTI=1\r\n"
                                                       "[Guest1]\r\nNM=<b>Tom & \"Jerry\"</b>\r\nFM=Smith\r\nAN=3\r\nPN=3\r\nTI=1\r\n"
                                                       "[Guest2]\r\nNM=רון\r\nFM=כהן\r\nAN=1\r\nPN=1\r\nTI=0\r\n")));
    }
    QString Folder() const { return m_dir.path() + "/Data/DB"; }
    QString Out(const QString& name) const { return m_dir.path() + "/" + name; }

    QTemporaryDir m_dir;
};

}

TEST_F(ReportCommandTest, WritesAGuestListWithTheByteOrderMarkAndEscapedNames)
{
    const CliRun run = Cli({"--lang", "he", "report", Folder(), "guests-family-name", Out("g.html")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray bytes = TestFiles::Read(Out("g.html"));
    ASSERT_GT(bytes.size(), 2);
    EXPECT_EQ(quint8(bytes[0]), 0xFF);
    EXPECT_EQ(quint8(bytes[1]), 0xFE);
    const QString html = Utf16(bytes);
    EXPECT_TRUE(html.startsWith("<html><head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1255\">"));
    EXPECT_TRUE(html.contains("<h2><u>רשימת מוזמנים ממוינת לפי שם משפחה</u></h2>"));
    EXPECT_TRUE(html.contains("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;"));
    EXPECT_FALSE(html.contains("<b>Tom"));
    EXPECT_LT(html.indexOf(">כהן<"), html.indexOf(">לוי<"));
}

TEST_F(ReportCommandTest, RecordsPerPageAndTheSavedColumnsAreUsed)
{
    ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini", "[ReportsSettings]\r\nColumns=20,0\r\n"));
    const CliRun run = Cli({"--lang", "en", "report", Folder(), "guests-first-name", Out("g.html"), "--per-page", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString html = Utf16(TestFiles::Read(Out("g.html")));
    EXPECT_EQ(html.count("---- Page Break ----"), 2);
    EXPECT_EQ(html.count("<td align=left><FONT color=blue size=4>Guest Code</FONT></td>"
                         "<td align=left><FONT color=blue size=4>Name</FONT></td></tr>"),
              0);
    EXPECT_EQ(html.count("<tr><td align=left><FONT color=blue size=4>Name</FONT></td>"
                         "<td align=left><FONT color=blue size=4>Guest Code</FONT></td></tr>"),
              3);
    EXPECT_FALSE(html.contains("Last name"));
}

TEST_F(ReportCommandTest, TheTableReportsHaveATextForm)
{
    const CliRun run = Cli({"--lang", "en", "report", Folder(), "tables-hall", Out("t.txt"), "--text"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = Utf16(TestFiles::Read(Out("t.txt")));
    EXPECT_TRUE(text.contains(QString(70, '-') + "\r\n                  Location in hall 7 (Id 1) (ראשון)\r\n" + QString(70, '-')
                              + "\r\n<br>1. דנה לוי\n<br>2. <b>Tom & \"Jerry\"</b> Smith\nNumber of guests in this table 5\r\n"));
    EXPECT_FALSE(text.contains("רון"));
}

TEST_F(ReportCommandTest, UnknownKindsAndUnwritablePathsExitWithStatusTwo)
{
    const CliRun unknown = Cli({"report", Folder(), "guests-by-shoe-size", Out("x.html")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown report \"guests-by-shoe-size\"")) << unknown.err.constData();
    EXPECT_FALSE(QFile::exists(Out("x.html")));

    const QString unwritable = m_dir.path() + "/no/such/folder/x.html";
    const CliRun failed = Cli({"report", Folder(), "tables-id", unwritable});
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_TRUE(failed.err.contains(("could not write \"" + unwritable + "\"").toUtf8())) << failed.err.constData();
    EXPECT_TRUE(failed.out.isEmpty());

    const CliRun badExport = Cli({"export", Folder(), "meetings", Out("x.xls")});
    EXPECT_EQ(badExport.exitCode, 2);
    const CliRun unwritableExport = Cli({"export", Folder(), "guests", m_dir.path() + "/no/such/x.xlsx"});
    EXPECT_EQ(unwritableExport.exitCode, 2);
    EXPECT_TRUE(unwritableExport.err.contains("could not write"));
}

TEST_F(ReportCommandTest, ExportsAreTabSeparatedOrAWorkbook)
{
    const CliRun guests = Cli({"--lang", "en", "export", Folder(), "guests", Out("g.xls")});
    ASSERT_EQ(guests.exitCode, 0) << guests.err.constData();
    const QStringList lines = Utf16(TestFiles::Read(Out("g.xls"))).split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("Name\tLast name\tRelation\tGroup\t"));
    EXPECT_TRUE(lines[1].startsWith("דנה\tלוי\t"));
    EXPECT_EQ(lines[1].count('\t'), 19);

    const CliRun tables = Cli({"export", Folder(), "tables", Out("t.xls")});
    ASSERT_EQ(tables.exitCode, 0) << tables.err.constData();
    EXPECT_EQ(Utf16(TestFiles::Read(Out("t.xls"))),
              "שולחן מספר\tשולחן 1\t\r\nשיכות\tראשון\t\r\nמיקום באולם\t7\t\r\nכמות מוזמנים\t5\t\r\n"
              "המוזמנים\tדנה לוי\t\r\nהמוזמנים\t<b>Tom & \"Jerry\"</b> Smith\t\r\n");

    const CliRun workbook = Cli({"export", Folder(), "guests", Out("g.xlsx")});
    ASSERT_EQ(workbook.exitCode, 0) << workbook.err.constData();
    EXPECT_TRUE(TestFiles::Read(Out("g.xlsx")).startsWith("PK\x03\x04"));
}

TEST_F(ReportCommandTest, APdfIsWrittenWithoutADisplay)
{
    CliLimits limits;
    limits.environment.remove("DISPLAY");
    limits.environment.remove("QT_QPA_PLATFORM");
    const CliRun run = Cli({"--lang", "he", "report", Folder(), "tables-id", Out("t.pdf"), "--pdf"}, limits);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray pdf = TestFiles::Read(Out("t.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("%%EOF"));
}
