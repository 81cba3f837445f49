#pragma once

#include <QByteArray>
#include <QString>

// Every report, label sheet and export is stored the same way: the two bytes FF FE, then the
// text in UTF-16 little-endian.
namespace ReportFile {

QByteArray Encode(const QString& text);
// Replaces the file whole (the old one stays until the new one is complete); false when it could
// not be written.
bool Write(const QString& path, const QString& text);

}
