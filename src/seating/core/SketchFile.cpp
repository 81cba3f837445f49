#include "seating/core/SketchFile.h"

#include "data/records/EventRecords.h"
#include "data/records/Shape.h"
#include "data/storage/AtomicFile.h"
#include "data/storage/XmlParser.h"
#include "seating/core/SketchGeometry.h"

#include <QDir>
#include <QFileInfo>

QString CSketchFile::Folder(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("HallsArrangement"));
}

QString CSketchFile::ProposedPath(const QString& dataFolder)
{
    const QDir folder(Folder(dataFolder));
    for (int number = 0;; ++number) {
        const QString path = folder.filePath(QStringLiteral("Sketch%1.xml").arg(number));
        if (!QFileInfo::exists(path))
            return path;
    }
}

QByteArray CSketchFile::Build(const QList<CShape*>& shapes)
{
    QByteArray buffer = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";
    CShape::AppendShapes(buffer, shapes);
    return buffer;
}

bool CSketchFile::Write(const QString& path, const QList<CShape*>& shapes)
{
    return AtomicFile::Write(path, Build(shapes));
}

bool CSketchFile::Read(const QString& path, CRecordCounters& counters, QList<CShape*>& shapes)
{
    // The whole file is read aside first: a file that breaks off halfway replaces nothing.
    CEventRecords read;
    CXmlParser parser(read, nullptr, nullptr);
    if (parser.Parse(path) != 0 || read.shapes.isEmpty())
        return false;
    for (const CShape* shape : read.shapes) {
        CShape* copy = shape->Copy(&counters);
        copy->SetArea(CSketchGeometry::Normalized(copy->GetArea()));
        shapes.append(copy);
    }
    return true;
}
