#pragma once

#include <QTextStream>

class CCliOptions;

// "new-event --type N --name1 TEXT [--name2 TEXT] [--date YYYY-MM-DD] [--copy-from FOLDER]
// [--groups]": creates an event as the new-event wizard does, makes it the active one and prints
// its id and folder.
int RunNewEvent(const CCliOptions& options, QTextStream& out, QTextStream& err);
