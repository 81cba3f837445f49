#pragma once

#include <QTextStream>

class CCliOptions;

// "import FOLDER SOURCE [--group NAME | --auto-groups] [--relation-answer yes|no]": adds every guest
// of a spreadsheet or of another event's folder to the event, saves it and lists the guests added
// and the guests skipped with the reason.
int RunImport(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "export-csv FOLDER OUT": writes the guests who have not answered into a comma-separated file.
int RunExportCsv(const CCliOptions& options, QTextStream& out, QTextStream& err);
