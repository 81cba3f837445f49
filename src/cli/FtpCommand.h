#pragma once

#include <QTextStream>

class CCliOptions;

// "ftp upload|download FOLDER [--answer yes|no]": shares an event folder with the FTP server of its
// own settings. Every question of the transfer gets the one answer (no unless given). Prints the
// local and server versions before and after; 0 only when the transfer completed.
int RunFtp(const CCliOptions& options, QTextStream& out, QTextStream& err);
