#include "CliProcess.h"
#include "data/storage/DataFolderLock.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

// A decorative shape's element as the sketch file and the event data file hold it.
QByteArray ShapeElement(int kind, const QByteArray& name, int left, int top, int width, int height)
{
    return "<Shape sType=\"" + QByteArray::number(kind) + "\">\r\n<spName><![CDATA[" + name +
           "]]></spName>\r\n<sColor>255</sColor>\r\n<sClass><![CDATA[]]></sClass>\r\n<sLocX>" +
           QByteArray::number(left) + "</sLocX>\r\n<sLocY>" + QByteArray::number(top) + "</sLocY>\r\n<sSizeX>" +
           QByteArray::number(width) + "</sSizeX>\r\n<sSizeY>" + QByteArray::number(height) +
           "</sSizeY>\r\n</Shape>\r\n\r\n";
}

QByteArray Sketch(const QByteArray& shapes)
{
    return kDeclaration + "<Shapes>\r\n" + shapes + "</Shapes>\r\n";
}

// An event whose sketch holds a stage whose text ends a CDATA section, and a circle.
class SketchCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QByteArray shapes = ShapeElement(1, "\xd7\x91\xd7\x9e\xd7\x94 ]]]]><![CDATA[> A", 10, 20, 300, 100) +
                                  ShapeElement(2, "bar", 400, 50, 100, 100);
        m_shapes = shapes;
        ASSERT_TRUE(QDir().mkpath(Folder()));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/WeddingData.xml",
                                     kDeclaration + "<WeddingData>\r\n<Shapes>\r\n" + shapes +
                                         "</Shapes>\r\n</WeddingData>\r\n"));
    }

    QString Folder() const { return m_dir.path() + "/Data/DB"; }
    QString File(const QString& name) const { return m_dir.path() + "/" + name; }

    QTemporaryDir m_dir;
    QByteArray m_shapes;
};

}

TEST_F(SketchCommandTest, ExportWritesEveryShapeAndChangesNothing)
{
    const QByteArray before = TestFiles::Read(Folder() + "/WeddingData.xml");
    const CliRun run = Cli({"--lang", "he", "sketch-export", Folder(), File("out.xml")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(TestFiles::Read(File("out.xml")), Sketch(m_shapes));
    EXPECT_TRUE(run.out.startsWith("wrote 2 shapes to "));
    EXPECT_EQ(TestFiles::Read(Folder() + "/WeddingData.xml"), before);
}

TEST_F(SketchCommandTest, ImportReplacesTheShapesAndSavesTheEvent)
{
    const QByteArray imported = ShapeElement(3, "\xd7\xa8\xd7\x9e\xd7\xa7\xd7\x95\xd7\x9c", 700, 40, 60, 90);
    ASSERT_TRUE(TestFiles::Write(File("in.xml"), Sketch(imported)));
    const CliRun run = Cli({"--lang", "he", "sketch-import", Folder(), File("in.xml")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("imported 1 shapes into "));

    const CliRun exported = Cli({"--lang", "he", "sketch-export", Folder(), File("again.xml")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.constData();
    EXPECT_EQ(TestFiles::Read(File("again.xml")), Sketch(imported));
    EXPECT_TRUE(TestFiles::Read(Folder() + "/WeddingData.xml").contains(imported));
}

TEST_F(SketchCommandTest, ABadFileExitsTwoAndChangesNothing)
{
    const QByteArray before = TestFiles::Read(Folder() + "/WeddingData.xml");
    ASSERT_TRUE(TestFiles::Write(File("cut.xml"), Sketch(ShapeElement(1, "x", 0, 0, 100, 100)).left(120)));
    ASSERT_TRUE(TestFiles::Write(File("none.xml"), Sketch(QByteArray())));
    for (const QString& name : {QStringLiteral("cut.xml"), QStringLiteral("none.xml"), QStringLiteral("missing.xml")}) {
        const CliRun run = Cli({"--lang", "he", "sketch-import", Folder(), File(name)});
        EXPECT_EQ(run.exitCode, 2) << name.toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("קובץ אינו חוקי או אינו מכיל נתונים רלבנטיים")))
            << run.err.constData();
        EXPECT_EQ(TestFiles::Read(Folder() + "/WeddingData.xml"), before);
    }
}

TEST_F(SketchCommandTest, ImportWaitsForAHeldDataFolder)
{
    ASSERT_TRUE(TestFiles::Write(File("in.xml"), Sketch(ShapeElement(1, "x", 0, 0, 100, 100))));
    const QByteArray before = TestFiles::Read(Folder() + "/WeddingData.xml");
    CDataFolderLock held(m_dir.path() + "/Data");
    ASSERT_EQ(held.TryTake(), CDataFolderLock::Result::Taken);
    const CliRun run = Cli({"--lang", "he", "sketch-import", Folder(), File("in.xml")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("is in use"));
    EXPECT_EQ(TestFiles::Read(Folder() + "/WeddingData.xml"), before);
}

TEST_F(SketchCommandTest, WrongArgumentsExitTwo)
{
    EXPECT_EQ(Cli({"sketch-export", Folder()}).exitCode, 2);
    EXPECT_EQ(Cli({"sketch-import", File("nowhere"), File("in.xml")}).exitCode, 2);
}
