#include "seating/ui/GanDesignView.h"
#include "seating/ui/NewShapeDlg.h"
#include "seating/ui/ShapePainter.h"
#include "seating/ui/SketchCanvas.h"
#include "seating/ui/TableLayoutSettingsDlg.h"

#include "controls/CommandIds.h"
#include "data/document/Platform.h"
#include "data/document/ViewHint.h"
#include "seating/core/DesignTable.h"
#include "seating/core/SketchEdits.h"
#include "seating/core/SketchFile.h"
#include "seating/core/SketchGeometry.h"
#include "seating/core/TableEdits.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Area = CShape::Area;

// Answers the file choosers with the paths a test sets.
class CChoosingPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString&) override { return false; }
    bool OpenFile(const QString&) override { return false; }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool ComposeMail(const QString&, const QString&, const QStringList&) override { return false; }
    QString ChooseFile(const QString&, const QString&) override { return openPath; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&, const QString& proposed, const QString&) override
    {
        proposedPath = proposed;
        return savePath;
    }

    QString openPath;
    QString savePath;
    QString proposedPath;
};

QPoint Centre(const CShape& shape)
{
    return CShapePainter::DisplayRect(shape).center();
}

class GanDesignView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        event.SetRealTables(3);
        CSketchEdits edits(event.Doc());
        stage = edits.Add(CShape::KindRectangle, {QStringLiteral("במה"), 200, 100, 0xFFCC99, QString()});
        stage->SetArea({600, 100, 800, 200});
        view = std::make_unique<CGanDesignView>(event.Doc(), platform);
        view->resize(1100, 800);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->Canvas()->Rebuild();
    }

    CSketchCanvas& Canvas() { return *view->Canvas(); }
    CShape* TableShape(int index) { return Canvas().Shapes()[index]; }
    void Click(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(&Canvas(), Qt::LeftButton, modifiers, at);
    }
    void Drag(const QPoint& from, const QPoint& to)
    {
        QTest::mousePress(&Canvas(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QMouseEvent move(QEvent::MouseMove, at, Canvas().mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(&Canvas(), &move);
        }
        QTest::mouseRelease(&Canvas(), Qt::LeftButton, Qt::NoModifier, to);
    }

    CViewTestEvent event;
    CChoosingPlatform platform;
    CShape* stage = nullptr;
    std::unique_ptr<CGanDesignView> view;
};

}

TEST_F(GanDesignView, ShowsOneShapePerRealTableThenTheDecorativeShapes)
{
    ASSERT_EQ(Canvas().Shapes().size(), 4);
    for (int index = 0; index < 3; ++index) {
        ASSERT_TRUE(TableShape(index)->IsTable());
        EXPECT_EQ(static_cast<CDesignTable*>(TableShape(index))->TableNumber(), index + 1);
        EXPECT_EQ(TableShape(index)->GetArea(), CSketchGeometry::GridPlace(index));
    }
    EXPECT_EQ(Canvas().Shapes()[3], stage);
}

TEST_F(GanDesignView, ClickSelectsCtrlAddsAndEmptySpaceClears)
{
    Click(Centre(*TableShape(0)));
    EXPECT_EQ(Canvas().Selected(), QList<CShape*>{TableShape(0)});
    Click(Centre(*stage), Qt::ControlModifier);
    EXPECT_EQ(Canvas().Selected(), (QList<CShape*>{TableShape(0), stage}));
    EXPECT_EQ(Canvas().Current(), stage);
    Click(Centre(*TableShape(1)));
    EXPECT_EQ(Canvas().Selected(), QList<CShape*>{TableShape(1)});
    Click(QPoint(1000, 700));
    EXPECT_TRUE(Canvas().Selected().isEmpty());
    EXPECT_EQ(Canvas().Current(), nullptr);
}

TEST_F(GanDesignView, DraggingMovesTheSelectedShapesAndTheirTables)
{
    Click(Centre(*TableShape(0)));
    Click(Centre(*stage), Qt::ControlModifier);
    const Area table = TableShape(0)->GetArea();
    Drag(Centre(*stage), Centre(*stage) + QPoint(40, 80));
    EXPECT_EQ(stage->GetArea(), (Area{640, 180, 840, 280}));
    EXPECT_EQ(event.Doc().Tables()[1]->GetArea(), CSketchGeometry::Moved(table, 40, 80));
    EXPECT_TRUE(event.Doc().IsModified());
}

TEST_F(GanDesignView, ArrowsMoveShiftArrowsResizeAndTheKeypadGrowsWithinTheLimits)
{
    Click(Centre(*stage));
    QTest::keyClick(&Canvas(), Qt::Key_Right);
    QTest::keyClick(&Canvas(), Qt::Key_Down);
    EXPECT_EQ(stage->GetArea(), (Area{603, 103, 803, 203}));
    QTest::keyClick(&Canvas(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&Canvas(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(stage->GetArea(), (Area{603, 100, 800, 203}));
    QTest::keyClick(&Canvas(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(stage->GetArea(), (Area{601, 98, 802, 205}));
    for (int press = 0; press < 200; ++press)
        QTest::keyClick(&Canvas(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(stage->GetArea().Height(), 61);
    EXPECT_GE(stage->GetArea().Width(), 60);
    EXPECT_TRUE(CSketchGeometry::IsValid(stage->GetArea()));
}

TEST_F(GanDesignView, DeleteAsksAndLeavesTablesAlone)
{
    Click(Centre(*TableShape(0)));
    QTest::keyClick(&Canvas(), Qt::Key_Delete);
    EXPECT_TRUE(event.Messages().ShownMessages().isEmpty());
    EXPECT_EQ(Canvas().Shapes().size(), 4);

    Click(Centre(*stage));
    event.Messages().Answer({MSG_RESULT_YES});
    QTest::keyClick(&Canvas(), Qt::Key_Delete);
    ASSERT_EQ(event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(event.Messages().ShownMessages()[0].text, QStringLiteral("האם למחוק את הצורה הזו?"));
    EXPECT_TRUE(event.Doc().Shapes().isEmpty());
    EXPECT_EQ(Canvas().Shapes().size(), 3);
}

TEST_F(GanDesignView, CtrlCCopiesTheCurrentShape)
{
    Click(Centre(*stage));
    QTest::keyClick(&Canvas(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(event.Doc().Shapes().size(), 2);
    CShape* copy = event.Doc().Shapes()[1];
    EXPECT_EQ(Canvas().Current(), copy);
    EXPECT_EQ(copy->GetName(), QStringLiteral("במה"));
    EXPECT_EQ(copy->GetArea(), (Area{620, 120, 820, 220}));
}

TEST_F(GanDesignView, ATableDeletedElsewhereLeavesNoShapeBehind)
{
    Click(Centre(*TableShape(1)));
    event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(CTableEdits(event.Doc()).Delete(*event.Doc().Tables()[2]));
    ASSERT_EQ(Canvas().Shapes().size(), 3);
    EXPECT_TRUE(Canvas().Selected().isEmpty());
    for (CShape* shape : Canvas().Shapes()) {
        if (auto* table = dynamic_cast<CDesignTable*>(shape)) {
            EXPECT_NE(table->Table(), nullptr);
        }
    }
    // Every table going at once leaves the decorative shapes only.
    event.Doc().UpdateAllViews(nullptr, HINT_TABLES_DELETING);
    EXPECT_EQ(Canvas().Shapes(), QList<CShape*>{stage});
    view->grab();
}

TEST_F(GanDesignView, DoubleClickOpensTheDetailsWithTheirReadyNames)
{
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CNewShapeDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->ReadyList()->count(), 15);
        dialog->ReadyList()->setCurrentRow(3);
        dialog->WidthField()->setValue(300);
        dialog->AllOfKindField()->setChecked(false);
        dialog->accept();
    });
    QTest::mouseDClick(&Canvas(), Qt::LeftButton, Qt::NoModifier, Centre(*stage));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(stage->GetName(), QStringLiteral("רחבת ריקודים"));
    EXPECT_EQ(stage->GetArea(), (Area{600, 100, 900, 200}));
}

TEST_F(GanDesignView, TheDetailsRefuseASizeOutsideTheLimits)
{
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CNewShapeDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        dialog->HeightField()->setValue(0);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    view->EditShape(stage);
    EXPECT_EQ(script.Pending(), 0);
    ASSERT_FALSE(event.Messages().ShownMessages().isEmpty());
    EXPECT_EQ(stage->GetArea(), (Area{600, 100, 800, 200}));
}

TEST_F(GanDesignView, AddingACircleMakesTheNewShapeCurrent)
{
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CNewShapeDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->WidthField()->value(), 100);
        dialog->TextField()->setPlainText(QStringLiteral("בר\nמרכזי"));
        dialog->accept();
    });
    view->Button(CGanDesignView::AddCircle)->click();
    ASSERT_EQ(event.Doc().Shapes().size(), 2);
    CShape* bar = event.Doc().Shapes()[1];
    EXPECT_EQ(bar->ShapeType(), CShape::KindCircle);
    EXPECT_EQ(bar->GetName(), QStringLiteral("בר\r\nמרכזי"));
    EXPECT_EQ(Canvas().Current(), bar);
}

TEST_F(GanDesignView, ExportAndImportThroughTheButtons)
{
    QTemporaryDir dir;
    platform.savePath = dir.filePath("out.xml");
    view->Button(CGanDesignView::ExportSketch)->click();
    EXPECT_TRUE(platform.proposedPath.endsWith("HallsArrangement/Sketch0.xml"));
    EXPECT_EQ(TestFiles::Read(platform.savePath), CSketchFile::Build(event.Doc().Shapes()));

    ASSERT_TRUE(TestFiles::Write(dir.filePath("bad.xml"), "<Shapes><Shape sType=\"1\">"));
    platform.openPath = dir.filePath("bad.xml");
    view->Button(CGanDesignView::ImportSketch)->click();
    EXPECT_EQ(event.Messages().ShownMessages().back().caption, QStringLiteral("קובץ אינו חוקי"));
    EXPECT_EQ(Canvas().Shapes().back(), stage);

    stage->SetName("changed");
    platform.openPath = platform.savePath;
    event.Messages().Answer({MSG_RESULT_YES});
    view->Button(CGanDesignView::ImportSketch)->click();
    ASSERT_EQ(event.Doc().Shapes().size(), 1);
    EXPECT_EQ(event.Doc().Shapes()[0]->GetName(), QStringLiteral("במה"));
    EXPECT_EQ(Canvas().Shapes().back(), event.Doc().Shapes()[0]);
}

TEST_F(GanDesignView, TheDisplaySettingsStoreTheTooltipChoice)
{
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* dialog = qobject_cast<CTableLayoutSettingsDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->TooltipsField()->isChecked());
        dialog->TooltipsField()->setChecked(false);
        dialog->accept();
    });
    view->Button(CGanDesignView::DisplaySettings)->click();
    EXPECT_EQ(event.Doc().Settings().Key("ShowTTInTables"), QStringLiteral("0"));
    EXPECT_FALSE(Canvas().TooltipsShown());
}

TEST_F(GanDesignView, TheHelpTextShowsOnEntryAndTheFirstClickHidesIt)
{
    view->OnActivate();
    EXPECT_TRUE(Canvas().HelpShown());
    Click(QPoint(1000, 700));
    EXPECT_FALSE(Canvas().HelpShown());
    event.Doc().Settings().SetKey("ShowTablesHelpMsg", "FALSE");
    view->OnActivate();
    EXPECT_FALSE(Canvas().HelpShown());
}

TEST_F(GanDesignView, ATableTooltipNamesItsSeatsAndPeople)
{
    event.AddGuest("Dana", "Levi", 3, 2);
    Canvas().Rebuild();
    const auto* table = static_cast<CDesignTable*>(TableShape(1));
    EXPECT_EQ(CSketchCanvas::TooltipText(*table), QStringLiteral("שולחן 2: T2\nמקומות: 10, מגיעים: 3"));
}

TEST_F(GanDesignView, TheContextMenuReturnsAShapeToItsInitialSize)
{
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* menu = qobject_cast<QMenu*>(window);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 4);
        EXPECT_FALSE(actions[2]->isEnabled());
        menu->setActiveAction(actions[1]);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, Centre(*stage), Canvas().mapToGlobal(Centre(*stage)));
    QApplication::sendEvent(&Canvas(), &menuEvent);
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_EQ(stage->GetArea(), (Area{625, 100, 775, 200}));
}
