#pragma once

#include <QString>

// A report page as a PDF file, laid out by Qt's text engine from the same markup the view shows.
// Needs a QGuiApplication.
namespace ReportPdf {

enum class Orientation { Portrait, Landscape };

// False when the file could not be written; the old file then stays whole.
bool Write(const QString& html, const QString& path, Orientation orientation = Orientation::Portrait);

}
