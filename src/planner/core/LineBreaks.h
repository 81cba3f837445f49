#pragma once

#include <QString>

// Records keep line breaks as "\r\n"; edit fields work with "\n".
namespace LineBreaks {
QString ForEditing(const QString& stored);
QString ForStoring(const QString& edited);
}
