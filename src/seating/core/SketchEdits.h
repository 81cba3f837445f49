#pragma once

#include "data/records/Shape.h"

#include <QList>
#include <QString>

class CNewZelDoc;
class QObject;

// Every edit of the hall sketch: each keeps the size rules, asks its questions through the
// document's message interface, marks the event modified and tells the other views when a table
// changed. The sketch view and the command line go through these.
class CSketchEdits
{
public:
    using Area = CShape::Area;

    // What the details dialog sets on a shape.
    struct Details
    {
        QString text;
        int width = 0;
        int height = 0;
        int color = CShape::kDefaultColor;
        QString shapeClass;
    };

    explicit CSketchEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // Each returns whether any shape changed.
    bool Move(const QList<CShape*>& shapes, int dx, int dy);
    bool Resize(const QList<CShape*>& shapes, int widthChange, int topChange);
    bool Grow(const QList<CShape*>& shapes, int step);
    bool Shrink(const QList<CShape*>& shapes, int step);
    bool ToInitialSize(CShape& shape);
    // A decorative shape's copy, a little below and to the side, added to the event; null for a
    // table.
    CShape* Copy(const CShape& shape);
    // Asks first; a table is not deleted here. The shape is freed when deleted.
    bool Delete(CShape& shape);
    // Where a new shape of the kind appears, in its initial size.
    static Area NewShapeArea(int kind);
    // A new decorative shape of the kind with the details (see Apply), or null for another kind.
    CShape* Add(int kind, const Details& details, bool allOfKind = false);
    // Writes the details into the shape and, when allOfKind, the colour and class into every
    // decorative shape of its kind.
    bool Apply(CShape& shape, const Details& details, bool allOfKind);
    // Asks first; then every table returns to its place on the initial grid.
    bool ResetTables();
    // Stores whether tooltips show over the tables (they do unless turned off) and tells the views.
    bool SetTableTooltips(bool show);
    static bool TableTooltipsShown(CNewZelDoc& document);

    // Replaces every decorative shape with those of a sketch file. The file is read whole first;
    // a file that is not valid is reported and changes nothing. ask: whether to ask before
    // replacing (the command line does not).
    bool Import(const QString& path, bool ask = true);

    static const QString kInvalidFileText;
    static const QString kInvalidFileCaption;

private:
    int Ask(const QString& text, const QString& caption, int buttons);
    bool SetArea(CShape& shape, const Area& area);
    template <typename Rule>
    bool ApplyToAll(const QList<CShape*>& shapes, Rule rule);
    void Changed(CShape& shape);

    CNewZelDoc& m_document;
    QObject* m_sender;
};
