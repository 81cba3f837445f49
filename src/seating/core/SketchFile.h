#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CRecordCounters;
class CShape;

// The sketch's own XML file: the declaration and the "<Shapes>" element of the event data file.
class CSketchFile
{
public:
    // The folder exports are proposed in, under the data folder.
    static QString Folder(const QString& dataFolder);
    // "Sketch<n>.xml" in that folder with the first n from 0 that names no file yet.
    static QString ProposedPath(const QString& dataFolder);

    static QByteArray Build(const QList<CShape*>& shapes);
    // Written whole or not at all: an existing file stays as it was until the new one is complete.
    static bool Write(const QString& path, const QList<CShape*>& shapes);
    // Reads every decorative shape of the file, their ids taken in counters, and brings their
    // rectangles within the sketch's rules. False, with no shape given, when the file does not
    // read whole or holds no shape.
    static bool Read(const QString& path, CRecordCounters& counters, QList<CShape*>& shapes);
};
