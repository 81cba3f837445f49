#include "seating/core/DesignTable.h"
#include "seating/core/SketchEdits.h"
#include "seating/core/SketchFile.h"
#include "seating/core/SketchGeometry.h"
#include "seating/core/SketchLayout.h"

#include "data/document/ViewHint.h"
#include "data/records/Circle.h"
#include "data/records/Speaker.h"
#include "data/records/Square.h"

#include "ViewTestEvent.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Area = CShape::Area;

const QString kInvalidText = QStringLiteral("קובץ אינו חוקי או אינו מכיל נתונים רלבנטיים");
const QString kInvalidCaption = QStringLiteral("קובץ אינו חוקי");

// The exact bytes of a sketch file holding a stage and a loudspeaker.
const QByteArray kStageAndSpeaker =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
    "<Shapes>\r\n"
    "<Shape sType=\"1\">\r\n"
    "<spName><![CDATA[\xd7\x91\xd7\x9e\xd7\x94\r\n\xd7\xa8\xd7\x90\xd7\xa9\xd7\x99\xd7\xaa]]></spName>\r\n"
    "<sColor>255</sColor>\r\n"
    "<sClass><![CDATA[Stage]]></sClass>\r\n"
    "<sLocX>10</sLocX>\r\n"
    "<sLocY>20</sLocY>\r\n"
    "<sSizeX>300</sSizeX>\r\n"
    "<sSizeY>100</sSizeY>\r\n"
    "</Shape>\r\n"
    "\r\n"
    "<Shape sType=\"3\">\r\n"
    "<spName><![CDATA[]]></spName>\r\n"
    "<sColor>14803425</sColor>\r\n"
    "<sClass><![CDATA[]]></sClass>\r\n"
    "<sLocX>400</sLocX>\r\n"
    "<sLocY>50</sLocY>\r\n"
    "<sSizeX>60</sSizeX>\r\n"
    "<sSizeY>90</sSizeY>\r\n"
    "</Shape>\r\n"
    "\r\n"
    "</Shapes>\r\n";

class SketchEdits : public ::testing::Test
{
protected:
    CShape* AddShape(int kind, const QString& text, const Area& area)
    {
        CShape* shape = CSketchEdits(event.Doc()).Add(kind, {text, area.Width(), area.Height(), 255, QString()});
        shape->SetArea(area);
        return shape;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    CViewTestEvent event;
    QTemporaryDir dir;
};

}

TEST_F(SketchEdits, ExportWritesTheDeclarationAndEveryDecorativeShape)
{
    AddShape(CShape::KindRectangle, QStringLiteral("במה\r\nראשית"), {10, 20, 310, 120})->SetShapeClass("Stage");
    CShape* speaker = AddShape(CShape::KindSpeaker, QString(), {400, 50, 460, 140});
    speaker->SetColor(0xE1E1E1);
    const QString path = Path("Sketch0.xml");
    ASSERT_TRUE(CSketchFile::Write(path, event.Doc().Shapes()));
    EXPECT_EQ(TestFiles::Read(path), kStageAndSpeaker);
}

TEST_F(SketchEdits, ImportReplacesEveryDecorativeShapeAndKeepsTheTables)
{
    event.SetRealTables(2);
    CTable* table = event.Doc().Tables()[1];
    table->SetArea({500, 500, 600, 600});
    AddShape(CShape::KindCircle, "old", {0, 0, 100, 100});
    const QString path = Path("in.xml");
    ASSERT_TRUE(TestFiles::Write(path, kStageAndSpeaker));
    event.Messages().Answer({MSG_RESULT_YES});

    ASSERT_TRUE(CSketchEdits(event.Doc()).Import(path));

    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text,
              QStringLiteral("יבוא הנתונים המקובץ ימחק את כל הצורות הקימות\r\nהאם להמשיך?"));
    EXPECT_EQ(event.Messages().ShownMessages()[0].caption, QStringLiteral("יבוא צורות מקובץ"));
    const QList<CShape*>& shapes = event.Doc().Shapes();
    ASSERT_EQ(shapes.size(), 2);
    EXPECT_EQ(shapes[0]->ShapeType(), CShape::KindRectangle);
    EXPECT_EQ(shapes[0]->GetName(), QStringLiteral("במה\r\nראשית"));
    EXPECT_EQ(shapes[0]->GetShapeClass(), QStringLiteral("Stage"));
    EXPECT_EQ(shapes[0]->GetArea(), (Area{10, 20, 310, 120}));
    EXPECT_EQ(shapes[1]->ShapeType(), CShape::KindSpeaker);
    EXPECT_EQ(table->GetArea(), (Area{500, 500, 600, 600}));
    EXPECT_TRUE(event.Doc().IsModified());
    // Written out again, the file is the same to the byte.
    ASSERT_TRUE(CSketchFile::Write(Path("again.xml"), shapes));
    EXPECT_EQ(TestFiles::Read(Path("again.xml")), kStageAndSpeaker);
}

TEST_F(SketchEdits, NoToTheImportQuestionChangesNothing)
{
    CShape* old = AddShape(CShape::KindCircle, "old", {0, 0, 100, 100});
    ASSERT_TRUE(TestFiles::Write(Path("in.xml"), kStageAndSpeaker));
    event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(CSketchEdits(event.Doc()).Import(Path("in.xml")));
    EXPECT_EQ(event.Doc().Shapes(), QList<CShape*>{old});
}

TEST_F(SketchEdits, ABadFileLeavesTheSketchAsItWas)
{
    CShape* old = AddShape(CShape::KindCircle, "old", {0, 0, 100, 100});
    event.Doc().SetModified(false);
    // The file breaks off after its first shape: nothing of it may replace the sketch.
    const QByteArray cut = kStageAndSpeaker.left(kStageAndSpeaker.indexOf("<Shape sType=\"3\">") + 30);
    ASSERT_TRUE(TestFiles::Write(Path("cut.xml"), cut));
    ASSERT_TRUE(TestFiles::Write(Path("empty.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Shapes>\r\n</Shapes>\r\n"));
    ASSERT_TRUE(TestFiles::Write(Path("text.xml"), "not a sketch"));

    for (const char* name : {"cut.xml", "empty.xml", "text.xml", "missing.xml"}) {
        event.Messages().Forget();
        event.Messages().Answer({MSG_RESULT_YES});
        EXPECT_FALSE(CSketchEdits(event.Doc()).Import(Path(name))) << name;
        ASSERT_EQ(event.Messages().ShownMessages().size(), 1) << name;
        EXPECT_EQ(event.Messages().ShownMessages()[0].text, kInvalidText);
        EXPECT_EQ(event.Messages().ShownMessages()[0].caption, kInvalidCaption);
        EXPECT_EQ(event.Doc().Shapes(), QList<CShape*>{old});
        EXPECT_EQ(old->GetName(), QStringLiteral("old"));
        EXPECT_FALSE(event.Doc().IsModified());
    }
}

TEST_F(SketchEdits, ImportedShapesGetValidRectangles)
{
    QByteArray bytes = kStageAndSpeaker;
    bytes.replace("<sLocX>10</sLocX>", "<sLocX>-40</sLocX>").replace("<sSizeY>100</sSizeY>", "<sSizeY>0</sSizeY>");
    ASSERT_TRUE(TestFiles::Write(Path("odd.xml"), bytes));
    event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(CSketchEdits(event.Doc()).Import(Path("odd.xml")));
    EXPECT_EQ(event.Doc().Shapes()[0]->GetArea(), (Area{0, 20, 300, 80}));
}

TEST_F(SketchEdits, TextsWithTheCdataEndSurviveTheExportAndTheDataFile)
{
    AddShape(CShape::KindRectangle, QStringLiteral("a]]>b ]]]]> c"), {10, 10, 110, 110})->SetShapeClass("x]]>y");
    ASSERT_TRUE(CSketchFile::Write(Path("s.xml"), event.Doc().Shapes()));
    CRecordCounters counters;
    QList<CShape*> read;
    ASSERT_TRUE(CSketchFile::Read(Path("s.xml"), counters, read));
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0]->GetName(), QStringLiteral("a]]>b ]]]]> c"));
    EXPECT_EQ(read[0]->GetShapeClass(), QStringLiteral("x]]>y"));
    qDeleteAll(read);

    ASSERT_TRUE(event.Doc().SaveEvent());
    event.Reopen();
    ASSERT_EQ(event.Doc().Shapes().size(), 1);
    EXPECT_EQ(event.Doc().Shapes()[0]->GetName(), QStringLiteral("a]]>b ]]]]> c"));
    EXPECT_EQ(event.Doc().Shapes()[0]->GetShapeClass(), QStringLiteral("x]]>y"));
}

TEST_F(SketchEdits, TheOlderSketchFileIsReadAndItsTwoLineTextKept)
{
    const QString folder = event.Doc().Location().CurrentEventFolder();
    QFile::remove(QDir(folder).filePath("WeddingData.xml"));
    const QString ini = QStringLiteral("[Shapes0]\r\nShapeType=2\r\nShapeName=בר..........מרכזי\r\nTableLocX=30\r\n"
                                       "TableLocY=40\r\nTableSizeX=100\r\nTableSizeY=100\r\nSc=65280\r\n");
    ASSERT_TRUE(TestFiles::Write(QDir(folder).filePath("GanArrangement.gan"), TestFiles::Cp1255(ini)));
    event.Doc().ReloadEvent();
    ASSERT_EQ(event.Doc().Shapes().size(), 1);
    const CShape* bar = event.Doc().Shapes()[0];
    EXPECT_EQ(bar->ShapeType(), CShape::KindCircle);
    EXPECT_EQ(bar->GetName(), QStringLiteral("בר\r\nמרכזי"));
    EXPECT_EQ(bar->GetArea(), (Area{30, 40, 130, 140}));
    // The next save takes the shape into the data file and the older file goes.
    ASSERT_TRUE(event.Doc().SaveEvent());
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath("GanArrangement.gan")));
    event.Reopen();
    ASSERT_EQ(event.Doc().Shapes().size(), 1);
    EXPECT_EQ(event.Doc().Shapes()[0]->GetName(), QStringLiteral("בר\r\nמרכזי"));
}

TEST_F(SketchEdits, DeleteAsksAndNeverDeletesATable)
{
    event.SetRealTables(1);
    CShape* bar = AddShape(CShape::KindRectangle, "bar", {0, 0, 100, 100});
    event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});
    EXPECT_FALSE(CSketchEdits(event.Doc()).Delete(*bar));
    EXPECT_EQ(event.Doc().Shapes().size(), 1);
    EXPECT_TRUE(CSketchEdits(event.Doc()).Delete(*bar));
    EXPECT_TRUE(event.Doc().Shapes().isEmpty());
    ASSERT_EQ(event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(event.Messages().ShownMessages()[1].text, QStringLiteral("האם למחוק את הצורה הזו?"));
    EXPECT_EQ(event.Messages().ShownMessages()[1].caption, QStringLiteral("מחיקת צורה"));
    EXPECT_EQ(event.Messages().ShownMessages()[1].buttons, MSG_YES_NO);

    auto tables = CSketchLayout::TableShapes(event.Doc());
    ASSERT_EQ(tables.size(), 1u);
    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_FALSE(CSketchEdits(event.Doc()).Delete(*tables[0]));
    EXPECT_EQ(event.Doc().Tables().size(), 2);
}

TEST_F(SketchEdits, CopyAddsTheSameShapeALittleAside)
{
    CShape* bar = AddShape(CShape::KindSpeaker, "רמקול", {100, 100, 160, 190});
    bar->SetColor(0x123456);
    CShape* copy = CSketchEdits(event.Doc()).Copy(*bar);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ShapeType(), CShape::KindSpeaker);
    EXPECT_EQ(copy->GetName(), QStringLiteral("רמקול"));
    EXPECT_EQ(copy->GetColor(), 0x123456);
    EXPECT_EQ(copy->GetArea(), (Area{120, 120, 180, 210}));
    EXPECT_EQ(event.Doc().Shapes().size(), 2);
    EXPECT_NE(copy->GetId(), bar->GetId());
}

TEST_F(SketchEdits, DetailsKeepTheSizeLimitsAndMayColourEveryShapeOfTheKind)
{
    CShape* first = AddShape(CShape::KindCircle, "a", {10, 10, 110, 110});
    CShape* second = AddShape(CShape::KindCircle, "b", {200, 10, 300, 110});
    CShape* other = AddShape(CShape::KindRectangle, "c", {400, 10, 500, 110});
    EXPECT_TRUE(CSketchEdits(event.Doc()).Apply(*first, {"חופה", 0, 4000, 0xFF, "Canopy"}, true));
    EXPECT_EQ(first->GetName(), QStringLiteral("חופה"));
    EXPECT_EQ(first->GetArea(), (Area{10, 10, 70, 3010}));
    EXPECT_EQ(second->GetColor(), 0xFF);
    EXPECT_EQ(second->GetShapeClass(), QStringLiteral("Canopy"));
    EXPECT_EQ(second->GetName(), QStringLiteral("b"));
    EXPECT_EQ(other->GetColor(), 255);
    EXPECT_EQ(other->GetShapeClass(), QString());
}

TEST_F(SketchEdits, BackToTheInitialSize)
{
    CShape* circle = AddShape(CShape::KindCircle, "c", {100, 100, 400, 300});
    EXPECT_TRUE(CSketchEdits(event.Doc()).ToInitialSize(*circle));
    EXPECT_EQ(circle->GetArea(), (Area{200, 150, 300, 250}));
}

TEST_F(SketchEdits, ATableShapeWritesIntoItsTableAndTellsTheViews)
{
    event.SetRealTables(2);
    CTable* second = event.Doc().Tables()[2];
    auto shapes = CSketchLayout::TableShapes(event.Doc());
    ASSERT_EQ(shapes.size(), 2u);
    // Tables without a rectangle stand on the initial grid, each at its own place.
    EXPECT_EQ(shapes[0]->GetArea(), CSketchGeometry::GridPlace(0));
    EXPECT_EQ(shapes[1]->GetArea(), CSketchGeometry::GridPlace(1));
    EXPECT_EQ(shapes[1]->NumberText(), QStringLiteral("שולחן 2"));

    QList<int> hints;
    QObject context;
    QObject::connect(&event.Doc(), &CNewZelDoc::Hint, &context,
                     [&hints](QObject*, int hint, CHintObject*) { hints.append(hint); });
    EXPECT_TRUE(CSketchEdits(event.Doc()).Move({shapes[1].get()}, 3, 0));
    const Area moved = CSketchGeometry::Moved(CSketchGeometry::GridPlace(1), 3, 0);
    EXPECT_EQ(second->GetArea(), moved);
    EXPECT_EQ(hints, QList<int>{HINT_TABLE_CHANGED});
    EXPECT_TRUE(shapes[1]->SetColor(0x00FF00));
    EXPECT_EQ(second->GetColor(), 0x00FF00);
    EXPECT_TRUE(shapes[1]->SetDrawStyle(1));
    EXPECT_EQ(second->GetDrawStyle(), 1);
    EXPECT_FALSE(shapes[1]->SetDrawStyle(5));
}

TEST_F(SketchEdits, ATableShapeOutlivingItsTableChangesNothing)
{
    event.SetRealTables(2);
    auto shapes = CSketchLayout::TableShapes(event.Doc());
    event.Doc().DeleteTable(*event.Doc().Tables()[2]);
    EXPECT_EQ(shapes[1]->Table(), nullptr);
    EXPECT_FALSE(CSketchEdits(event.Doc()).Move({shapes[1].get()}, 3, 3));
    EXPECT_FALSE(shapes[1]->SetName("gone"));
    // A rebuild before the deletion leaves the table out.
    const int serial = event.Doc().Tables()[1]->GetSerial();
    EXPECT_EQ(CSketchLayout::TableShapes(event.Doc(), serial).size(), 0u);
}

TEST_F(SketchEdits, ResetAsksAndPutsEveryTableOnTheInitialGrid)
{
    event.SetRealTables(3);
    event.Doc().Tables()[2]->SetArea({900, 900, 1000, 1000});
    event.Messages().Answer({MSG_RESULT_NO, MSG_RESULT_YES});
    EXPECT_FALSE(CSketchEdits(event.Doc()).ResetTables());
    EXPECT_EQ(event.Doc().Tables()[2]->GetArea(), (Area{900, 900, 1000, 1000}));
    EXPECT_TRUE(CSketchEdits(event.Doc()).ResetTables());
    EXPECT_EQ(event.Messages().ShownMessages()[1].text, QStringLiteral("האם להחזיר את השולחנות לסידור המקורי?"));
    EXPECT_EQ(event.Messages().ShownMessages()[1].caption, QStringLiteral("החזרת שולחנות לסידור ראשוני"));
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(event.Doc().Tables()[index + 1]->GetArea(), CSketchGeometry::GridPlace(index));
}

TEST_F(SketchEdits, TablesArrangedByHallNumberStandInThatOrder)
{
    event.SetRealTables(3);
    event.Doc().Tables()[1]->SetHallNumber(9);
    event.Doc().Settings().SetArrangeTableByHallNumber(true);
    const QList<CTable*> ordered = CSketchLayout::OrderedTables(event.Doc());
    ASSERT_EQ(ordered.size(), 3);
    EXPECT_EQ(ordered.back(), event.Doc().Tables()[1]);
}

TEST_F(SketchEdits, TheProposedExportNameIsTheFirstFreeNumber)
{
    const QString data = dir.path();
    EXPECT_EQ(CSketchFile::ProposedPath(data), QDir(data).filePath("HallsArrangement/Sketch0.xml"));
    QDir().mkpath(CSketchFile::Folder(data));
    ASSERT_TRUE(TestFiles::Write(QDir(data).filePath("HallsArrangement/Sketch0.xml"), "x"));
    EXPECT_EQ(CSketchFile::ProposedPath(data), QDir(data).filePath("HallsArrangement/Sketch1.xml"));
}
