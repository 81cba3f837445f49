#include "data/settings/ProgramFiles.h"

#include "data/storage/DataLocation.h"

#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFiles::Locate(const QString& relative)
{
    const QString beside = CDataLocation::GetProgramFolder(true) + relative;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("Ravivaz/") + relative,
                                                     QStandardPaths::LocateFile | QStandardPaths::LocateDirectory);
    return installed.isEmpty() ? beside : installed;
}
