#pragma once

#include <QByteArray>
#include <QString>

namespace AtomicFile {
// Writes the bytes to a temporary file in the target's folder and renames it over the target, so
// the old file stays whole until the new one is complete. False when anything failed.
bool Write(const QString& path, const QByteArray& bytes);
}
