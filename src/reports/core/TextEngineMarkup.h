#pragma once

#include <QString>

// Qt's text engine drops a table's header cell that stands outside a row, where a web browser
// makes a row of it; the reports write such cells. The page the engine lays out (preview, print,
// PDF) gets them wrapped in a row; the saved files stay as written.
namespace TextEngineMarkup {

QString Adapt(const QString& html);

}
