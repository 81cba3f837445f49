#pragma once

#include <QList>
#include <QString>

class CNewZelDoc;
class CReportOptions;

// Every report the program writes: its name on the command line, where the reports view offers
// it (category tab and list entry), its preview file and its generator.
namespace ReportCatalogue {

enum class Kind {
    GuestsByFirstName, GuestsByFamilyName, GuestsByGroup, GuestsByGroupAlphabetical, GuestsView, TablesById,
    TablesByHallNumber, TableCards, AddressLabels, GiftsByGroup, GiftsByRelation, HandForm, Expenses, Transport,
    Tasks, ApprovalNotes, Budget1, Budget2, Budget3
};

struct Entry
{
    Kind kind;
    const char* name;
    // The tab of the reports view; -1 for a report the view does not offer.
    int category;
    QString listText;
    QString previewFile;
};

const QList<Entry>& Entries();
// The captions of the view's tabs, in order.
QStringList Categories();
// The reports of one tab, in order.
QList<Entry> InCategory(int category);
const Entry* Find(const QString& name);
const Entry& Get(Kind kind);
// Whether the kind has a text form of its own (the table reports).
bool HasTextForm(Kind kind);
// The page of the report, or its text form when asked and it has one.
QString Generate(CNewZelDoc& document, Kind kind, const CReportOptions& options);
// Writes the report into the file; false when it could not be written.
bool Write(CNewZelDoc& document, Kind kind, const CReportOptions& options, const QString& path);

}
