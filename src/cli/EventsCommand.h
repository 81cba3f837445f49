#pragma once

#include <QTextStream>

class CCliOptions;

// "events [--json]": the events of the data folder as discovery finds them.
int RunEvents(const CCliOptions& options, QTextStream& out, QTextStream& err);
