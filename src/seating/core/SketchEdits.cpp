#include "seating/core/SketchEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/ShapeFactory.h"
#include "data/records/StringHint.h"
#include "data/records/Table.h"
#include "seating/core/DesignTable.h"
#include "seating/core/SketchFile.h"
#include "seating/core/SketchGeometry.h"
#include "seating/core/SketchLayout.h"

#include <memory>
#include <optional>

namespace {

const QString kDeleteQuestion = QStringLiteral("האם למחוק את הצורה הזו?");
const QString kDeleteCaption = QStringLiteral("מחיקת צורה");
const QString kResetQuestion = QStringLiteral("האם להחזיר את השולחנות לסידור המקורי?");
const QString kResetCaption = QStringLiteral("החזרת שולחנות לסידור ראשוני");
const QString kImportQuestion = QStringLiteral("יבוא הנתונים המקובץ ימחק את כל הצורות הקימות\r\nהאם להמשיך?");
const QString kImportCaption = QStringLiteral("יבוא צורות מקובץ");
const QString kTooltipsKey = QStringLiteral("ShowTTInTables");

}

const QString CSketchEdits::kInvalidFileText = QStringLiteral("קובץ אינו חוקי או אינו מכיל נתונים רלבנטיים");
const QString CSketchEdits::kInvalidFileCaption = QStringLiteral("קובץ אינו חוקי");

CSketchEdits::CSketchEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

int CSketchEdits::Ask(const QString& text, const QString& caption, int buttons)
{
    IUserMessages* messages = m_document.Messages();
    return messages ? messages->MessageByText(text, caption, buttons) : MSG_RESULT_CANCEL;
}

void CSketchEdits::Changed(CShape& shape)
{
    m_document.SetModified();
    if (auto* table = dynamic_cast<CDesignTable*>(&shape); table && table->Table())
        m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED, table->Table());
}

bool CSketchEdits::SetArea(CShape& shape, const Area& area)
{
    if (!shape.SetArea(area))
        return false;
    Changed(shape);
    return true;
}

template <typename Rule>
bool CSketchEdits::ApplyToAll(const QList<CShape*>& shapes, Rule rule)
{
    // One table alone keeps its own hint, so the other views redraw just that table.
    std::optional<CNewZelDoc::CBatch> batch;
    if (shapes.size() > 1)
        batch.emplace(m_document);
    bool changed = false;
    for (CShape* shape : shapes)
        changed = SetArea(*shape, rule(shape->GetArea())) || changed;
    return changed;
}

bool CSketchEdits::Move(const QList<CShape*>& shapes, int dx, int dy)
{
    return ApplyToAll(shapes, [dx, dy](const Area& area) { return CSketchGeometry::Moved(area, dx, dy); });
}

bool CSketchEdits::Resize(const QList<CShape*>& shapes, int widthChange, int topChange)
{
    return ApplyToAll(shapes, [widthChange, topChange](const Area& area) {
        return CSketchGeometry::Resized(area, widthChange, topChange);
    });
}

bool CSketchEdits::Grow(const QList<CShape*>& shapes, int step)
{
    return ApplyToAll(shapes, [step](const Area& area) { return CSketchGeometry::Grown(area, step); });
}

bool CSketchEdits::Shrink(const QList<CShape*>& shapes, int step)
{
    return ApplyToAll(shapes, [step](const Area& area) { return CSketchGeometry::Shrunk(area, step); });
}

bool CSketchEdits::ToInitialSize(CShape& shape)
{
    return SetArea(shape, CSketchGeometry::AroundCentre(shape.GetArea(), shape.InitialSize()));
}

CShape* CSketchEdits::Copy(const CShape& shape)
{
    CShape* copy = shape.Copy(&m_document.Counters());
    if (!copy)
        return nullptr;
    const int offset = CSketchGeometry::kCopyOffset;
    copy->SetArea(CSketchGeometry::Moved(CSketchGeometry::Normalized(shape.GetArea()), offset, offset));
    m_document.EditRecords().shapes.append(copy);
    m_document.SetModified();
    return copy;
}

bool CSketchEdits::Delete(CShape& shape)
{
    QList<CShape*>& shapes = m_document.EditRecords().shapes;
    if (shape.IsTable() || !shapes.contains(&shape) || Ask(kDeleteQuestion, kDeleteCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    shapes.removeOne(&shape);
    delete &shape;
    m_document.SetModified();
    return true;
}

CSketchEdits::Area CSketchEdits::NewShapeArea(int kind)
{
    const std::unique_ptr<CShape> probe(CShapeFactory::Create(kind));
    return probe ? CSketchGeometry::NewShapePlace(probe->InitialSize()) : Area();
}

CShape* CSketchEdits::Add(int kind, const Details& details, bool allOfKind)
{
    std::unique_ptr<CShape> shape(CShapeFactory::Create(kind, &m_document.Counters()));
    if (!shape)
        return nullptr;
    shape->SetArea(CSketchGeometry::NewShapePlace(shape->InitialSize()));
    m_document.EditRecords().shapes.append(shape.get());
    Apply(*shape, details, allOfKind);
    m_document.SetModified();
    return shape.release();
}

bool CSketchEdits::Apply(CShape& shape, const Details& details, bool allOfKind)
{
    CNewZelDoc::CBatch batch(m_document);
    bool changed = shape.SetName(details.text);
    changed = shape.SetArea(CSketchGeometry::Sized(shape.GetArea(), details.width, details.height)) || changed;
    changed = shape.SetColor(details.color) || changed;
    changed = shape.SetShapeClass(details.shapeClass) || changed;
    if (allOfKind && !shape.IsTable()) {
        for (CShape* other : m_document.Shapes()) {
            if (other->ShapeType() != shape.ShapeType())
                continue;
            changed = other->SetColor(details.color) || changed;
            changed = other->SetShapeClass(details.shapeClass) || changed;
        }
    }
    if (changed)
        Changed(shape);
    return changed;
}

bool CSketchEdits::ResetTables()
{
    if (Ask(kResetQuestion, kResetCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    CNewZelDoc::CBatch batch(m_document);
    const QList<CTable*> tables = CSketchLayout::OrderedTables(m_document);
    bool changed = false;
    for (int index = 0; index < tables.size(); ++index)
        changed = tables[index]->SetArea(CSketchGeometry::GridPlace(index)) || changed;
    if (changed) {
        m_document.SetModified();
        m_document.UpdateAllViews(m_sender, HINT_TABLE_CHANGED);
    }
    return changed;
}

bool CSketchEdits::SetTableTooltips(bool show)
{
    if (!m_document.Settings().SetKey(kTooltipsKey, show ? QStringLiteral("1") : QStringLiteral("0")))
        return false;
    CStringHint hint(kTooltipsKey);
    m_document.UpdateAllViews(m_sender, HINT_SETTING_CHANGED, &hint);
    return true;
}

bool CSketchEdits::TableTooltipsShown(CNewZelDoc& document)
{
    return document.Settings().Key(kTooltipsKey) != QLatin1String("0");
}

bool CSketchEdits::Import(const QString& path, bool ask)
{
    QList<CShape*> read;
    if (!CSketchFile::Read(path, m_document.Counters(), read)) {
        Ask(kInvalidFileText, kInvalidFileCaption, MSG_OK);
        return false;
    }
    if (ask && Ask(kImportQuestion, kImportCaption, MSG_YES_NO) != MSG_RESULT_YES) {
        qDeleteAll(read);
        return false;
    }
    QList<CShape*>& shapes = m_document.EditRecords().shapes;
    qDeleteAll(shapes);
    shapes = read;
    m_document.SetModified();
    return true;
}
