#pragma once

#include "data/settings/AppSettings.h"
#include "data/records/CheckPointInfo.h"
#include "data/records/EventRecords.h"
#include "data/storage/EventRegistry.h"
#include "data/records/RecordOwner.h"
#include "data/settings/Settings.h"

#include <QObject>

#include <functional>
#include <memory>

class CDataLocation;
class CGroup;
class CHintObject;
class CTask;
class IEventServices;
class IProgressReporter;
class IUserMessages;

// The one object that owns all data of the active event: its records, the event and program
// settings, the list of known events, the task tree and the backup numbering. It loads an event
// from its folder, saves it back, and tells every view of a change with a numbered hint.
class CNewZelDoc : public QObject, public IRecordOwner
{
    Q_OBJECT

public:
    // Loads the program settings and discovers the events; messages may be null (every question is
    // then answered Cancel), and so may progress and services.
    CNewZelDoc(CDataLocation& location, IUserMessages* messages, IProgressReporter* progress = nullptr,
               IEventServices* services = nullptr, QObject* parent = nullptr);
    // Writes the backup numbering, the active event's id and both settings files.
    ~CNewZelDoc() override;

    // The start-up steps: the folder of an older installation, the automatic download, loading,
    // the calculator default, the start-up checkpoint and the background check.
    bool OnNewDocument();
    // Reads the active event folder into the lists. Without a data file the older INI files are
    // read (and the event counts as modified so the next save replaces them).
    void LoadEvent();
    // Writes the event when modified. False when the data file could not be written: the event
    // stays modified, the old file and the older INI files stay whole and the user is told.
    bool SaveEvent();
    void ReloadEvent();
    // Makes a new event the active one, optionally from the data file of an earlier event, keeping
    // its lists but none of the answers, arrivals, gifts and seating. False, with the current event
    // still active and nothing listed, when the folder or the copy could not be made.
    bool CreateEventFolder(const QString& sourceFolder);
    void CreateDefaultGroups(QString brideName, QString groomName);
    void SetActiveEvent(CZelEvent* event);
    // Makes a folder the current event folder (the listed event of that folder when there is one)
    // and reads its settings; LoadEvent reads its records.
    void UseEventFolder(const QString& folder);
    // Closing then writes nothing: for tools that only look at an event.
    void DiscardOnClose() { m_discardOnClose = true; }

    bool IsModified() const { return m_modified; }
    // Every edit passes here: Edited on each change, ModifiedChanged when the flag turns.
    void SetModified(bool modified = true);
    // Reads the records from another data file of the event (the recovery copy) in place of its
    // own; the event then counts as modified. False, with the saved event loaded, when that file
    // does not read whole.
    bool RestoreFrom(const QString& dataFile);
    // Whether the data file of the last load failed to parse.
    bool LoadedDamagedFile() const { return m_damagedFile; }

    // Tells every view (the sender included; views skip their own hints where they must). Inside
    // a batch the hints that concern many records are held back and sent once when it ends.
    void UpdateAllViews(QObject* sender, int hint, CHintObject* object = nullptr);

    // While one lives, an operation that changes many records keeps the views from hearing of each
    // record: the table, table-added, guest-added and guest-changed hints are sent once each when
    // the outermost batch ends, with no object (refresh all), a changed guest as hint 24 (rewrite
    // all rows). A rebuilt seating (hint 14) is held too and stands for every table hint.
    class CBatch
    {
    public:
        explicit CBatch(CNewZelDoc& document);
        ~CBatch();
        CBatch(const CBatch&) = delete;
        CBatch& operator=(const CBatch&) = delete;

    private:
        CNewZelDoc& m_document;
    };

    CSettings& Settings() { return m_settings; }
    CAppSettings& AppSettings() { return m_appSettings; }
    CEventRegistry& Events() { return m_events; }
    CDataLocation& Location() { return m_location; }
    IUserMessages* Messages() const { return m_messages; }
    IProgressReporter* Progress() const { return m_progress; }
    CCheckPointInfo& Checkpoint() { return m_checkpoint; }
    CTask& RootTask() { return *m_rootTask; }

    // The record lists as the views see them: the records may be read, the lists change only
    // through the document's and the core's operations.
    const QList<CGuest*>& Guests() const { return m_records.guests; }
    const QList<CGroup*>& Groups() const { return m_records.groups; }
    const QList<CShape*>& Shapes() const { return m_records.shapes; }
    const QList<CExpence*>& Expenses() const { return m_records.expenses; }
    const QList<CTable*>& Tables() const { return m_records.tables; }
    const QList<CMeeting*>& Meetings() const { return m_records.meetings; }
    const QList<CCategory*>& Categories() const { return m_records.categories; }
    const QList<COffer*>& Offers() const { return m_records.offers; }
    const CEventRecords& Records() const { return m_records; }
    // The lists themselves, for the operations of the core libraries that add, remove or reorder
    // records.
    CEventRecords& EditRecords() { return m_records; }
    CRecordCounters& Counters() { return m_records.counters; }

    // Guests and groups.
    // prepare fills further fields before any view hears of the guest.
    CGuest* AddGuest(const QString& name, const QString& familyName, QObject* sender,
                     const std::function<void(CGuest&)>& prepare = {});
    // Takes the guest out of the list and out of the restrictions of the guests it named, tells
    // the views (hint 15) and deletes it.
    void DeleteGuest(CGuest& guest, QObject* sender);
    CGroup* AddGroup(const QString& name, QObject* sender);
    CGroup* FindGroupByName(const QString& name) const;
    bool IsGroupUsed(const QString& name) const;
    void SwapGroupNames(CGroup& first, CGroup& second);
    void RenameGroupInGuests(const QString& oldName, const QString& newName);
    bool AddRestriction(CGuest& guest, const QString& fullName);
    int GuestCount() const { return int(m_records.guests.size()); }
    // Sums over every guest, wide enough for any count a guest may hold.
    qint64 SumInvited() const;
    qint64 SumComing() const;
    qint64 SumSmsCount() const;

    // Tables: a table's number is its position in the list; table 0 holds the guests not seated.
    CTable* CreateTable(const QString& name, int hallNumber = -1, int seats = -1);
    // The smallest hall number from 1 up to the number of tables that no table uses, else 0.
    int NextFreeHallNumber() const;
    // True when the hall number is free; else the first table using it is named.
    bool FindTableByHallNumber(int hallNumber, int* tableId = nullptr, QString* tableName = nullptr) const;
    bool IsTableNameFree(const QString& name) const;
    CTable* FindTableBySerial(int serial) const;
    // Removes a real table, seating its guests at table 0 and moving the later tables up a number.
    void DeleteTable(CTable& table);
    // Deletes every table, table 0 included, and makes table 0 anew; the guests' table numbers
    // are the caller's to reset.
    void DeleteAllTables();
    // Exchanges what two positions hold (guests, name, notes, hall number, seats and the place,
    // colour, drawing style and shape class on the sketch); numbers stay.
    void SwapTables(int first, int second);
    void MoveTable(int from, int to);
    void MoveGuests(int fromTable, int toTable);
    QList<CGuest*> GuestsAtTable(int tableId, bool sorted = false) const;

    // IRecordOwner
    const QList<CGuest*>& GetGuests() const override { return m_records.guests; }
    CGuest* FindGuestByFullName(const QString& fullName) const override;
    int TableNumberBySerial(int serial) const override;
    qint64 SeatedSum(int tableNumber, int mode) const override;
    void GuestTableChanged(CGuest& guest) override;

signals:
    void Hint(QObject* sender, int hint, CHintObject* object);
    // Views hand their pending edits to the records before the event is written.
    void AboutToSave();
    void Edited();
    void ModifiedChanged(bool modified);

private:

    void ClearEvent();
    void LoadEventFrom(const QString& dataFile);
    void LoadOlderIniFiles();
    bool KeepDamagedFile();
    bool SaveSettingsAndCheckpoint();
    QString FilePath(int code) const;
    int Ask(const QString& text, const QString& caption, int buttons, const QStringList& args = {});
    void SendHeldHints();

    CDataLocation& m_location;
    IUserMessages* m_messages;
    IProgressReporter* m_progress;
    IEventServices* m_services;

    bool m_modified = false;
    bool m_damagedFile = false;
    bool m_discardOnClose = false;
    // The older files whose records the event holds now: the next save of the data file removes them.
    QStringList m_olderFilesToRemove;
    // An older file that exists but could not be read: the event is not converted while it stays so.
    QString m_unreadableOlderFile;
    int m_batchDepth = 0;
    QList<int> m_heldHints;
    CSettings m_settings;
    CAppSettings m_appSettings;
    CEventRecords m_records;
    CEventRegistry m_events;
    CCheckPointInfo m_checkpoint;
    std::unique_ptr<CTask> m_rootTask;
};
