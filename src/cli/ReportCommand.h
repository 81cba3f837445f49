#pragma once

#include <QCoreApplication>
#include <QTextStream>

#include <memory>

class CCliOptions;

// "report FOLDER KIND OUT [--per-page N] [--text] [--pdf]": writes one report of an event folder
// as the reports view would show it, or its text or PDF form.
int RunReport(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "export FOLDER guests|tables OUT": the spreadsheet export, as .xlsx when OUT ends so.
int RunExport(const CCliOptions& options, QTextStream& out, QTextStream& err);
// PDF needs Qt's text layout: a GUI application (offscreen without a display) for "report ...
// --pdf", the plain core application for every other command.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv);
