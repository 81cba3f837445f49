#pragma once

#include <QList>
#include <QString>

class CGuest;
class CNewZelDoc;
class CReportOptions;

// The guest list reports: every guest that passes the filter, in one of five orders, with the
// chosen columns and a page break after every so many rows, followed by the summary.
namespace GuestListReport {

enum class Order { FirstName, FamilyName, Group, GroupAlphabetical, GuestsView };

// The guests the report lists, in its order.
QList<CGuest*> Guests(CNewZelDoc& document, const CReportOptions& options, Order order);
QString Html(CNewZelDoc& document, const CReportOptions& options, Order order);

}
