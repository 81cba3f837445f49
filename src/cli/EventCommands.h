#pragma once

#include <QTextStream>

class CCliOptions;

// "info FOLDER [--json]": loads an event folder without writing anything and prints its counts.
int RunInfo(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "finance FOLDER [--json]": loads an event folder without writing anything and prints the sums of
// its gifts, expenses and budget options as the pages show them.
int RunFinance(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "resave FOLDER": loads an event folder and writes it back as a data file.
int RunResave(const CCliOptions& options, QTextStream& out, QTextStream& err);
// "meetings FOLDER [--ics OUT]": lists the meetings by date (date, subject, contact) and, with
// --ics, writes them into one calendar file; a meeting without a date is left out and named.
// "seat FOLDER --unseated|--all|--group NAME [--json]": runs one automatic seating as if the user
// said Yes, saves the event and prints every table with the guests seated there.
int RunSeat(const CCliOptions& options, QTextStream& out, QTextStream& err);
int RunMeetings(const CCliOptions& options, QTextStream& out, QTextStream& err);
