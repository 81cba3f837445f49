#include "seating/ui/GanDesignView.h"
#include "seating/ui/TablesView.h"

#include "controls/CommandIds.h"
#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/document/ViewHint.h"
#include "data/records/StringHint.h"
#include "data/records/Table.h"
#include "seating/core/DesignTable.h"
#include "seating/core/SketchEdits.h"
#include "seating/core/SketchFile.h"
#include "seating/ui/NewShapeDlg.h"
#include "seating/ui/SketchCanvas.h"
#include "seating/ui/TableLayoutSettingsDlg.h"

#include <QDir>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kFileFilter = QStringLiteral("קיבצי תרשים אולם (*.xml);;כל הקבצים (*.*)");
const QString kExportCaption = QStringLiteral("יצוא סקיצה");
const QString kImportCaption = QStringLiteral("יבוא סקיצה");
const QString kNotWrittenText = QStringLiteral("לא ניתן לכתוב את הקובץ\r\n%s");
const QString kNotWrittenCaption = QStringLiteral("יצוא סקיצה");

const char* const kButtonTexts[] = {
    "הוסף מלבן",  "הוסף עיגול",  "הוסף רמקול",    "מחק צורה", "סדר שולחנות מחדש", "יצוא סקיצה",
    "יבוא סקיצה", "הגדרות תצוגה", "עזרה", "הדפסה",     "תצוגה לפני הדפסה",
};

}

CGanDesignView::CGanDesignView(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
    : CGenericView(document, parent)
    , m_platform(platform)
{
    m_canvas = new CSketchCanvas(document, this);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(true);
    // The plan keeps its left-to-right coordinates; the scroll bars follow the canvas.
    m_scroll->setLayoutDirection(Qt::LeftToRight);

    auto* buttons = new QHBoxLayout;
    for (int command = 0; command < CommandCount; ++command) {
        m_buttons[command] = new QPushButton(QString::fromUtf8(kButtonTexts[command]), this);
        m_buttons[command]->setFocusPolicy(Qt::NoFocus);
        connect(m_buttons[command], &QPushButton::clicked, this, [this, command] { Run(Command(command)); });
        buttons->addWidget(m_buttons[command]);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll, 1);

    connect(m_canvas, &CSketchCanvas::EditRequested, this, &CGanDesignView::EditShape);
    connect(m_canvas, &CSketchCanvas::ContextMenuRequested, this, &CGanDesignView::ShowContextMenu);
    m_canvas->SetTooltipsShown(CSketchEdits::TableTooltipsShown(document));
    m_canvas->Rebuild();
}

void CGanDesignView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    switch (hint) {
    case HINT_EVENT_RELOADING:
        m_canvas->Clear();
        break;
    case HINT_TABLES_DELETING:
        m_canvas->DropTables();
        break;
    case HINT_TABLE_DELETING:
        if (const auto* table = dynamic_cast<const CTable*>(object))
            m_canvas->Rebuild(table->GetSerial());
        break;
    case HINT_EVENT_RELOADED:
        m_canvas->SetTooltipsShown(CSketchEdits::TableTooltipsShown(GetDocument()));
        m_canvas->Rebuild();
        break;
    case HINT_TABLE_ADDED:
    case HINT_SEATING_REBUILT:
    case HINT_TABLE_CHANGED:
        if (sender != this)
            m_canvas->Rebuild();
        break;
    case HINT_SETTING_CHANGED:
        if (const auto* setting = dynamic_cast<const CStringHint*>(object);
            setting && setting->GetText() == QLatin1String("ShowTTInTables"))
            m_canvas->SetTooltipsShown(CSketchEdits::TableTooltipsShown(GetDocument()));
        break;
    default:
        break;
    }
}

void CGanDesignView::OnActivate()
{
    m_canvas->SetHelpShown(GetDocument().Settings().Key(QStringLiteral("ShowTablesHelpMsg")) != QLatin1String("FALSE"));
    m_canvas->setFocus();
}

bool CGanDesignView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_DELETE || commandId == ID_OBJECT_EDIT ||
           commandId == ID_EDIT_COPY;
}

bool CGanDesignView::IsCommandEnabled(int commandId) const
{
    const CShape* current = m_canvas->Current();
    switch (commandId) {
    case ID_OBJECT_DELETE:
    case ID_EDIT_COPY:
        return current && !current->IsTable();
    case ID_OBJECT_EDIT:
        return current;
    default:
        return true;
    }
}

void CGanDesignView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        Run(AddRectangle);
        break;
    case ID_OBJECT_DELETE:
        Run(DeleteShape);
        break;
    case ID_OBJECT_EDIT:
        EditShape(m_canvas->Current());
        break;
    case ID_EDIT_COPY:
        m_canvas->CopyCurrent();
        break;
    default:
        break;
    }
}

void CGanDesignView::Run(Command command)
{
    switch (command) {
    case AddRectangle:
        AddShape(CShape::KindRectangle);
        break;
    case AddCircle:
        AddShape(CShape::KindCircle);
        break;
    case AddSpeaker:
        AddShape(CShape::KindSpeaker);
        break;
    case DeleteShape:
        m_canvas->DeleteCurrent();
        break;
    case ResetTables:
        if (CSketchEdits(GetDocument(), this).ResetTables())
            m_canvas->Rebuild();
        break;
    case ExportSketch:
        Export();
        break;
    case ImportSketch:
        Import();
        break;
    case DisplaySettings:
        ShowDisplaySettings();
        break;
    case Help:
        m_canvas->SetHelpShown(!m_canvas->HelpShown());
        break;
    case Print:
        PrintSketch(false);
        break;
    case PrintPreview:
        PrintSketch(true);
        break;
    case CommandCount:
        break;
    }
}

void CGanDesignView::AddShape(int kind)
{
    CNewShapeDlg::Values values;
    values.kind = kind;
    const CShape::Area place = CSketchEdits::NewShapeArea(kind);
    values.details.width = place.Width();
    values.details.height = place.Height();
    CNewShapeDlg dialog(values, true, GetDocument().Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    values = dialog.GetValues();
    CShape* shape = CSketchEdits(GetDocument(), this).Add(values.kind, values.details, values.allOfKind);
    m_canvas->Rebuild();
    m_canvas->Select(shape);
}

void CGanDesignView::EditShape(CShape* shape)
{
    if (!shape)
        return;
    CNewZelDoc& document = GetDocument();
    if (auto* designTable = dynamic_cast<CDesignTable*>(shape)) {
        CTable* table = designTable->Table();
        if (!table)
            return;
        if (CTablesView::RunEditTable(document, *table, this))
            m_canvas->Rebuild();
        return;
    }
    CNewShapeDlg::Values values;
    values.kind = shape->ShapeType();
    values.details = {shape->GetName(), shape->GetArea().Width(), shape->GetArea().Height(), shape->GetColor(),
                      shape->GetShapeClass()};
    CNewShapeDlg dialog(values, false, document.Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    values = dialog.GetValues();
    CSketchEdits(document, this).Apply(*shape, values.details, values.allOfKind);
    m_canvas->Rebuild();
}

void CGanDesignView::Export()
{
    const QString dataFolder = GetDocument().Location().GetDataFolder();
    QDir().mkpath(CSketchFile::Folder(dataFolder));
    const QString path = m_platform.ChooseSaveFile(kExportCaption, CSketchFile::ProposedPath(dataFolder), kFileFilter);
    if (path.isEmpty())
        return;
    if (!CSketchFile::Write(path, GetDocument().Shapes()))
        UserQuestion::Ask(GetDocument().Messages(), kNotWrittenText, kNotWrittenCaption, MSG_OK,
                          {QDir::toNativeSeparators(path)});
}

void CGanDesignView::Import()
{
    const QString folder = CSketchFile::Folder(GetDocument().Location().GetDataFolder());
    const QString path = m_platform.ChooseFileIn(kImportCaption, folder, kFileFilter);
    if (path.isEmpty())
        return;
    if (CSketchEdits(GetDocument(), this).Import(path))
        m_canvas->Rebuild();
}

void CGanDesignView::ShowDisplaySettings()
{
    CTableLayoutSettingsDlg dialog(m_canvas->TooltipsShown(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CSketchEdits(GetDocument(), this).SetTableTooltips(dialog.ShowTooltips());
    m_canvas->SetTooltipsShown(dialog.ShowTooltips());
    m_canvas->update();
}

void CGanDesignView::PrintTo(QPrinter& printer) const
{
    QPainter painter(&printer);
    const QRect extent = m_canvas->Extent();
    if (extent.isEmpty())
        return;
    const QRect page = painter.viewport();
    const double scale = std::min(double(page.width()) / (extent.right() + 1), double(page.height()) / (extent.bottom() + 1));
    painter.scale(scale, scale);
    m_canvas->Paint(painter, false);
}

void CGanDesignView::PrintSketch(bool preview)
{
    QPrinter printer(QPrinter::HighResolution);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PrintTo(*target); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(printer);
}

void CGanDesignView::ShowContextMenu(const QPoint& globalPos)
{
    CShape* shape = m_canvas->Current();
    if (!shape)
        return;
    QMenu menu(this);
    const bool table = shape->IsTable();
    menu.addAction(QStringLiteral("פרטי האוביקט"), this, [this, shape] { EditShape(shape); })->setEnabled(!table);
    menu.addAction(QStringLiteral("חזור לגודל מקורי"), this, [this] { m_canvas->CurrentToInitialSize(); });
    menu.addAction(QStringLiteral("פרטי השולחן"), this, [this, shape] { EditShape(shape); })->setEnabled(table);
    menu.addAction(QStringLiteral("שכפל"), this, [this] { m_canvas->CopyCurrent(); })->setEnabled(!table);
    menu.exec(globalPos);
}
