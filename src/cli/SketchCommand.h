#pragma once

#include <QTextStream>

class CCliOptions;

// "sketch-export FOLDER OUT.xml": writes the decorative shapes of an event's hall sketch into a
// sketch file, changing nothing in the event.
int RunSketchExport(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "sketch-import FOLDER IN.xml": replaces the decorative shapes of an event with those of a sketch
// file and saves the event; a file that is not valid changes nothing and exits 2.
int RunSketchImport(const CCliOptions& options, QTextStream& out, QTextStream& err);
