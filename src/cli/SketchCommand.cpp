#include "cli/SketchCommand.h"

#include "cli/CliOptions.h"
#include "cli/FolderSession.h"
#include "data/storage/DataFolderLock.h"
#include "seating/core/SketchEdits.h"
#include "seating/core/SketchFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool TakeFolderAndFile(const QStringList& words, const char* command, QString& folder, QString& file,
                       QTextStream& err)
{
    if (words.size() != 2) {
        err << "ravivaz-cli " << command << ": give one event folder and one sketch file\n";
        return false;
    }
    folder = words[0];
    file = words[1];
    if (!CFolderSession::IsEventFolder(folder)) {
        err << "ravivaz-cli " << command << ": \"" << folder << "\" holds no event\n";
        return false;
    }
    return true;
}

}

int RunSketchExport(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QString folder;
    QString file;
    if (!TakeFolderAndFile(options.Arguments(), "sketch-export", folder, file, err))
        return 2;
    CFolderSession session(folder, err);
    const QList<CShape*>& shapes = session.Document().Shapes();
    if (!CSketchFile::Write(file, shapes)) {
        err << "ravivaz-cli sketch-export: \"" << file << "\" could not be written\n";
        return 1;
    }
    out << "wrote " << shapes.size() << " shapes to " << QFileInfo(file).absoluteFilePath() << '\n';
    return 0;
}

int RunSketchImport(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QString folder;
    QString file;
    if (!TakeFolderAndFile(options.Arguments(), "sketch-import", folder, file, err))
        return 2;
    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "sketch-import", err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& document = session.Document();
    if (!CSketchEdits(document).Import(file, false))
        return 2;
    if (!session.Save("sketch-import", folder, err))
        return 1;
    out << "imported " << document.Shapes().size() << " shapes into "
        << QDir(folder).absoluteFilePath(QStringLiteral("WeddingData.xml")) << '\n';
    return 0;
}
