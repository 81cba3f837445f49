#include "data/records/Circle.h"
#include "data/storage/EventFile.h"
#include "data/records/EventRecords.h"
#include "data/storage/IniFile.h"
#include "data/records/Shape.h"
#include "data/records/ShapeFactory.h"
#include "data/records/Speaker.h"
#include "data/records/Square.h"
#include "data/storage/XmlParser.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// GanArrangement.ini as the older versions wrote it: Windows-1255, CR LF.
QByteArray SketchIni(const QStringList& lines)
{
    return TestFiles::Cp1255(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

const QStringList kSketch = {
    QStringLiteral("[Shapes0]"),
    QStringLiteral("ShapeType=1"),
    QStringLiteral("ShapeName=במה..........ראשית"),
    QStringLiteral("TableLocX=10"),
    QStringLiteral("TableLocY=20"),
    QStringLiteral("TableSizeX=300"),
    QStringLiteral("TableSizeY=100"),
    QStringLiteral("Sc=255"),
    QStringLiteral("ShapeClass=Stage"),
    // A kind the sketch does not know.
    QStringLiteral("[Shapes1]"),
    QStringLiteral("ShapeType=7"),
    QStringLiteral("ShapeName=?"),
    // A section with nothing in it.
    QStringLiteral("[Shapes2]"),
    QStringLiteral("ShapeType=2"),
    QStringLiteral("ShapeClass=Empty"),
    // Shapes3 was deleted: the numbering has a gap.
    QStringLiteral("[Shapes4]"),
    QStringLiteral("ShapeType=3"),
    QStringLiteral("TableLocX=5"),
    QStringLiteral("TableSizeX=60"),
    QStringLiteral("TableSizeY=60"),
    QStringLiteral("[Shapes5]"),
    QStringLiteral("ShapeType=2"),
    QStringLiteral("ShapeName=עץ"),
};

class ShapeFile : public ::testing::Test
{
protected:
    void TearDown() override { qDeleteAll(shapes); }

    QTemporaryDir dir;
    CRecordCounters counters;
    QList<CShape*> shapes;
};

TEST_F(ShapeFile, OlderSketchFileReadsEveryDecorativeShape)
{
    const QString path = dir.filePath(QStringLiteral("GanArrangement.ini"));
    ASSERT_TRUE(TestFiles::Write(path, SketchIni(kSketch)));
    shapes = CShapeFactory::LoadAllIni(CIniFile(path), &counters);
    ASSERT_EQ(shapes.size(), 3);

    const CShape& stage = *shapes[0];
    EXPECT_EQ(stage.ShapeType(), CShape::KindRectangle);
    EXPECT_EQ(stage.GetName(), QStringLiteral("במה\r\nראשית"));
    EXPECT_EQ(stage.GetArea(), (CShape::Area{10, 20, 310, 120}));
    EXPECT_EQ(stage.GetColor(), 255);
    EXPECT_EQ(stage.GetShapeClass(), QStringLiteral("Stage"));
    EXPECT_EQ(stage.GetSection(), QStringLiteral("Shapes0"));
    EXPECT_FALSE(stage.IsModified());
    EXPECT_FALSE(stage.IsNew());

    const CShape& speaker = *shapes[1];
    EXPECT_EQ(speaker.ShapeType(), CShape::KindSpeaker);
    EXPECT_TRUE(speaker.GetName().isEmpty());
    EXPECT_EQ(speaker.GetArea(), (CShape::Area{5, 0, 65, 60}));
    EXPECT_EQ(speaker.GetColor(), CShape::kDefaultColor);
    EXPECT_TRUE(speaker.GetShapeClass().isEmpty());
    EXPECT_EQ(shapes[2]->ShapeType(), CShape::KindCircle);
    EXPECT_EQ(shapes[2]->GetName(), QStringLiteral("עץ"));

    // The empty section gave its id back.
    EXPECT_EQ(stage.GetId(), 0);
    EXPECT_EQ(speaker.GetId(), 1);
    EXPECT_EQ(shapes[2]->GetId(), 2);
    EXPECT_EQ(counters.shapes.Last(), 2);
}

TEST_F(ShapeFile, SketchFileWithTheOlderExtensionIsReadWhereItIs)
{
    const QString gan = dir.filePath(QStringLiteral("GanArrangement.gan"));
    const QString ini = dir.filePath(QStringLiteral("GanArrangement.ini"));
    EXPECT_EQ(CShape::SketchFilePath(ini), ini);
    ASSERT_TRUE(TestFiles::Write(gan, SketchIni(kSketch)));
    ASSERT_EQ(CShape::SketchFilePath(ini), gan);
    shapes = CShapeFactory::LoadAllIni(CIniFile(CShape::SketchFilePath(ini)), &counters);
    EXPECT_EQ(shapes.size(), 3);
    EXPECT_EQ(TestFiles::Read(gan), SketchIni(kSketch));
    EXPECT_FALSE(QFileInfo::exists(ini));
}

TEST_F(ShapeFile, NoSketchFileGivesNoShapes)
{
    shapes = CShapeFactory::LoadAllIni(CIniFile(dir.filePath(QStringLiteral("GanArrangement.ini"))), &counters);
    EXPECT_TRUE(shapes.isEmpty());
}

TEST(Shape, WritesItsElement)
{
    CSpeaker speaker;
    speaker.SetName(QStringLiteral("רמקול\r\nשמאל"));
    speaker.SetColor(0x00FF00);
    speaker.SetShapeClass(QStringLiteral("Audio"));
    speaker.SetArea(CShape::Area{-5, 7, 55, 67});
    QByteArray buffer;
    speaker.WriteXml(buffer);
    EXPECT_EQ(buffer, QByteArray("<Shape sType=\"3\">\r\n"
                                 "<spName><![CDATA[") + QStringLiteral("רמקול\r\nשמאל").toUtf8()
                                     + "]]></spName>\r\n"
                                       "<sColor>65280</sColor>\r\n"
                                       "<sClass><![CDATA[Audio]]></sClass>\r\n"
                                       "<sLocX>-5</sLocX>\r\n"
                                       "<sLocY>7</sLocY>\r\n"
                                       "<sSizeX>60</sSizeX>\r\n"
                                       "<sSizeY>60</sSizeY>\r\n"
                                       "</Shape>\r\n\r\n");
}

TEST(Shape, EveryKindSurvivesTheDataFile)
{
    CEventRecords written;
    for (int kind : {CShape::KindRectangle, CShape::KindCircle, CShape::KindSpeaker}) {
        CShape* shape = CShapeFactory::Create(kind);
        shape->SetName(QStringLiteral("shape %1\r\nsecond line").arg(kind));
        shape->SetColor(kind * 1000);
        shape->SetShapeClass(QStringLiteral("class %1").arg(kind));
        shape->SetArea(CShape::Area{kind, kind * 2, kind + 100, kind * 2 + 50});
        written.shapes.append(shape);
    }
    EXPECT_EQ(CShapeFactory::Create(CShape::KindTable), nullptr);
    EXPECT_EQ(CShapeFactory::Create(0), nullptr);

    CEventRecords read;
    CXmlParser parser(read, nullptr, nullptr);
    ASSERT_EQ(parser.ParseData(CEventFile::Build(written)), 0);
    ASSERT_EQ(read.shapes.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const CShape& before = *written.shapes[i];
        const CShape& after = *read.shapes[i];
        EXPECT_EQ(after.ShapeType(), before.ShapeType());
        EXPECT_EQ(after.GetName(), before.GetName());
        EXPECT_EQ(after.GetColor(), before.GetColor());
        EXPECT_EQ(after.GetShapeClass(), before.GetShapeClass());
        EXPECT_EQ(after.GetArea(), before.GetArea());
        EXPECT_FALSE(after.IsModified());
    }
}

TEST(Shape, KindMayComeAsAnElementAndUnknownKindsAreSkipped)
{
    CEventRecords read;
    CXmlParser parser(read, nullptr, nullptr);
    ASSERT_EQ(parser.ParseData("<WeddingData><Shapes>"
                               "<Shape><spName>bar</spName><sLocX>1</sLocX><sSizeX>9</sSizeX><SType>1</SType></Shape>"
                               "<Shape sType=\"9\"><spName>?</spName></Shape>"
                               "<Shape><spName>no kind</spName></Shape>"
                               "<SHAPE STYPE=\"2\"><SPNAME>pool</SPNAME></SHAPE>"
                               "</Shapes></WeddingData>"),
              0);
    ASSERT_EQ(read.shapes.size(), 2);
    EXPECT_EQ(read.shapes[0]->ShapeType(), CShape::KindRectangle);
    EXPECT_EQ(read.shapes[0]->GetName(), QStringLiteral("bar"));
    EXPECT_EQ(read.shapes[0]->GetArea(), (CShape::Area{1, 0, 10, 0}));
    EXPECT_EQ(read.shapes[1]->ShapeType(), CShape::KindCircle);
    EXPECT_EQ(read.shapes[1]->GetName(), QStringLiteral("pool"));
}

}
