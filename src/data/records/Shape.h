#pragma once

#include "data/records/BaseElement.h"
#include "data/records/Table.h"

#include <QList>
#include <QString>

// A shape of the hall sketch: a text (the name), a colour, a class text and a bounding rectangle.
// The decorative kinds (rectangle, circle, loudspeaker) are kept with the event's records; the
// sketch's table shapes stand for table records and are not written with the shapes.
class CShape : public CBaseElement
{
public:
    using Area = CTable::Area;

    // The stored kind of a shape.
    enum Kind { KindRectangle = 1, KindCircle = 2, KindSpeaker = 3, KindTable = 4 };
    // A COLORREF, 0x00BBGGRR.
    static constexpr int kDefaultColor = 0xE1E1E1;

    struct Size
    {
        int width = 0;
        int height = 0;
    };

    // The prefix of the sections of an older sketch file.
    static inline const QString kPrefix = QStringLiteral("Shapes");

    explicit CShape(CRecordCounters* counters = nullptr);

    // The file an older sketch is read from: the ".ini" name, or the ".gan" name of the oldest
    // versions when only that exists. It is read where it is: reading an event moves no file.
    static QString SketchFilePath(const QString& iniPath);

    virtual int ShapeType() const = 0;
    // The size a new shape of the kind gets, and the one "back to the original size" returns to.
    virtual Size InitialSize() const = 0;
    virtual bool IsTable() const { return false; }
    // Whether the shape is written into the event data file with the decorative shapes.
    virtual bool IsStored() const { return true; }

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_GAN_ARRANGEMENT; }
    // Reads the text, place, size, colour and class; false for a section without any of them.
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    // "<Shapes>", the element of every stored shape, "</Shapes>", each line ending in CR LF.
    static void AppendShapes(QByteArray& buffer, const QList<CShape*>& shapes);
    // A new decorative shape of the same kind with this one's text, colour, class and rectangle,
    // taking its id in counters; null for a table shape.
    CShape* Copy(CRecordCounters* counters) const;

    virtual bool SetColor(int color) { return SetField(m_color, color); }
    int GetColor() const { return m_color; }
    virtual bool SetShapeClass(const QString& shapeClass) { return SetField(m_shapeClass, shapeClass); }
    const QString& GetShapeClass() const { return m_shapeClass; }
    virtual bool SetArea(const Area& area) { return SetField(m_area, area); }
    const Area& GetArea() const { return m_area; }
    // Only a table shape has a drawing style (1 or 0); the others refuse it and report 2.
    virtual bool SetDrawStyle(int drawStyle);
    virtual int GetDrawStyle() const { return 2; }

private:

    int m_color = kDefaultColor;
    QString m_shapeClass;
    Area m_area;
};
