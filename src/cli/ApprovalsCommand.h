#pragma once

#include <QTextStream>

class CCliOptions;

// "approvals FOLDER [--site URL] [--apply]": fetches the event's answers from the approvals site
// and prints those that differ from the guests, as the approvals dialog lists them: "confirmed"
// or "cancelled", the guest code, the full name and the new count, tab-separated. With --apply
// the guests are updated as the dialog's update button does, the event is saved and the number
// of guests changed is printed.
int RunApprovals(const CCliOptions& options, QTextStream& out, QTextStream& err);
