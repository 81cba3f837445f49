#pragma once

#include <QString>

// Texts of records on their way into a report page.
namespace HtmlText {

// &, <, > and " as entities and every line break as "<br>", so a name or a note can neither break
// the markup nor lose its lines. A text without those characters comes back unchanged.
QString Escape(const QString& text);

}
