#pragma once

#include <QString>

class QWidget;

// Prints a report page through a print preview, laid out by Qt's text engine. The orientation
// belongs to this job only; the printer's own settings are never touched.
namespace HtmlPrintPreview {

void Run(const QString& html, bool landscape, QWidget* parent);

}
