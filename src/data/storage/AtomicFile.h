#pragma once

#include <QByteArray>
#include <QString>

namespace AtomicFile {
// Writes the bytes to a temporary file beside the target ("name.XXXXXX"), checks every write,
// syncs the data to the disk and only then renames it over the target, so the old file stays whole
// until the new one is complete. False when anything failed; the temporary file is then removed.
// A successful write also removes temporary files of the same target left behind by a write that
// was killed before its rename.
bool Write(const QString& path, const QByteArray& bytes);
// Whether a file name is one of the temporary names a write of the target uses.
bool IsTemporaryName(const QString& fileName, const QString& targetName);
}
