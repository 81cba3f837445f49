#pragma once

#include <QTextStream>

class CCliOptions;

// "arrive FOLDER --code N --count C": records that C people of the guest with code N came, as the
// real-time page does with every question answered No, and saves the event. A guest whose table
// has no room (or who has none) is not recorded: the tables that could take them are listed.
int RunArrive(const CCliOptions& options, QTextStream& out, QTextStream& err);
