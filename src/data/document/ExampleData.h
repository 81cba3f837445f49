#pragma once

class CEventRecords;
class IRecordOwner;

// What a fresh event starts with, in the interface language: budget categories with sample offers,
// the usual expenses, the unseated table with one example table, and an example meeting. Only
// the lists that are still empty are filled.
namespace ExampleData {
void Fill(CEventRecords& records, IRecordOwner* owner);
// Table 0, the pseudo-table of the guests not seated yet, at the end of the table list.
void AddUnseatedTable(CEventRecords& records, IRecordOwner* owner);
}
