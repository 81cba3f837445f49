#include "data/document/NewZelDoc.h"

#include "data/records/Category.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFile.h"
#include "data/storage/EventFileSet.h"
#include "data/document/EventServices.h"
#include "data/document/ExampleData.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/document/ProgressReporter.h"
#include "data/records/Shape.h"
#include "data/records/ShapeFactory.h"
#include "data/settings/StringTable.h"
#include "data/records/Table.h"
#include "data/records/Task.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/storage/XmlParser.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcDocument, "WEDDING - CNewZelDoc")

namespace {

const int kRootTaskId = 1;

const QString kNotSavedText = QStringLiteral(
    "לא ניתן היה לשמור את נתוני הארוע בספריה:\r\n%s\r\nהנתונים הקודמים נשארו בשלמותם. אנא ודאו שניתן לכתוב לספריה ונסו לשמור שוב.");
const QString kNotSavedCaption = QStringLiteral("הנתונים לא נשמרו!");
const QString kDamagedText = QStringLiteral(
    "קובץ הנתונים של הארוע היה פגום, ונטענו ממנו רק הנתונים שלפני הפגם.\r\n"
    "עותק של הקובץ הפגום נשמר בשם:\r\n%s\r\n"
    "ניתן לשחזר נתונים מלאים מגיבוי קודם בעזרת \"שיחזור נתונים ...\".");
const QString kDamagedCaption = QStringLiteral("קובץ נתונים פגום");
const QString kConversionStoppedText = QStringLiteral(
    "לא ניתן לקרוא את הקובץ:\r\n%s\r\nהעברת נתוני הארוע מהגרסה הקודמת נעצרה ואף קובץ לא נמחק.\r\n"
    "אנא ודאו שניתן לקרוא את הקובץ ופתחו את הארוע מחדש.");
const QString kConversionStoppedCaption = QStringLiteral("העברת הנתונים נעצרה");

}

CNewZelDoc::CNewZelDoc(CDataLocation& location, IUserMessages* messages, IProgressReporter* progress,
                       IEventServices* services, QObject* parent)
    : QObject(parent)
    , m_location(location)
    , m_messages(messages)
    , m_progress(progress)
    , m_services(services)
    , m_events(location)
    , m_rootTask(std::make_unique<CTask>(&m_records.counters))
{
    m_appSettings.Load(QDir::cleanPath(m_location.GetDataFolder() + QStringLiteral("/AppSettings.ini")));
    m_events.Discover(m_settings);
    m_records.counters.SetUniqueIdCounter(m_settings.GetLastGuestUniqueId());
}

CNewZelDoc::~CNewZelDoc()
{
    if (m_discardOnClose)
        return;
    m_checkpoint.Save();
    if (CZelEvent* active = m_events.Active())
        m_settings.SetEveName(active->GetName());
    m_events.WriteActive();
    m_settings.SetLastGuestUniqueId(m_records.counters.UniqueIdCounter());
    SaveSettingsAndCheckpoint();
    m_appSettings.Save(QDir::cleanPath(m_location.GetDataFolder() + QStringLiteral("/AppSettings.ini")));
}

QString CNewZelDoc::FilePath(int code) const
{
    return m_location.GetFilePath(code);
}

int CNewZelDoc::Ask(const QString& text, const QString& caption, int buttons, const QStringList& args)
{
    if (!m_messages)
        return MSG_RESULT_CANCEL;
    return m_messages->MessageByText(StringTable::Fill(text, args), caption, buttons);
}

void CNewZelDoc::UpdateAllViews(QObject* sender, int hint, CHintObject* object)
{
    if (m_batchDepth > 0 && (hint == HINT_TABLE_CHANGED || hint == HINT_TABLE_ADDED || hint == HINT_GUEST_ADDED ||
                             hint == HINT_GUEST_CHANGED || hint == HINT_SEATING_REBUILT)) {
        // A rebuilt seating makes the views refill their tables: the table hints add nothing to it.
        const auto isTableHint = [](int held) { return held == HINT_TABLE_CHANGED || held == HINT_TABLE_ADDED; };
        if (hint == HINT_SEATING_REBUILT)
            m_heldHints.removeIf(isTableHint);
        else if (isTableHint(hint) && m_heldHints.contains(HINT_SEATING_REBUILT))
            return;
        const int held = hint == HINT_GUEST_CHANGED ? HINT_REWRITE_ROWS : hint;
        if (!m_heldHints.contains(held))
            m_heldHints.append(held);
        return;
    }
    emit Hint(sender, hint, object);
}

void CNewZelDoc::SendHeldHints()
{
    const QList<int> held = std::exchange(m_heldHints, {});
    for (int hint : held)
        emit Hint(nullptr, hint, nullptr);
}

bool CNewZelDoc::OnNewDocument()
{
    // Older installations kept the first event below the program's own folder.
    const QString oldFolder = CDataLocation::GetProgramFolder() + QStringLiteral("/Data/DB1");
    if (QFileInfo(oldFolder).isDir()) {
        const QString target = m_location.GetEventFolder();
        EventFileSet::CopyEventFiles(oldFolder, target, false, true);
        QDir(oldFolder).removeRecursively();
        m_settings.Load(FilePath(FC_SETTINGS));
    }
    if (m_settings.GetFtpAutoDownload() && m_services) {
        m_checkpoint.Load(FilePath(FC_CHECKPOINT));
        if (!m_settings.GetFtpServer().isEmpty() && !m_settings.GetFtpUser().isEmpty())
            m_services->DownloadEvent(*this);
    }
    LoadEvent();
    if (m_appSettings.GetClacPath().isEmpty()) {
        for (const char* program : {"gnome-calculator", "kcalc", "galculator", "xcalc"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
            if (!path.isEmpty()) {
                m_appSettings.SetClacPath(path);
                break;
            }
        }
    }
    EventFileSet::TakeCheckpoint(m_location.GetEventFolder(), m_location.GetBackupFolder());
    if (m_appSettings.GetCheckForUpdates() && m_services)
        m_services->StartBackgroundCheck(*this);
    return true;
}

void CNewZelDoc::ClearEvent()
{
    m_records.Clear();
    m_rootTask->Clear();
}

void CNewZelDoc::LoadEvent()
{
    LoadEventFrom(FilePath(FC_WEDDING_DATA));
}

void CNewZelDoc::LoadEventFrom(const QString& dataFile)
{
    m_records.counters.ResetForLoad();
    m_damagedFile = false;

    if (m_progress) {
        m_progress->Begin(QString());
        m_progress->SetPercent(0);
    }
    m_checkpoint.Load(FilePath(FC_CHECKPOINT));

    const bool fromIni = !QFileInfo::exists(dataFile);
    if (m_progress)
        m_progress->SetPercent(70);
    m_olderFilesToRemove.clear();
    m_unreadableOlderFile.clear();
    if (fromIni) {
        LoadOlderIniFiles();
    } else {
        CXmlParser parser(m_records, &m_settings, this);
        if (parser.Parse(dataFile) != 0) {
            qCWarning(lcDocument) << "LoadEvent: the data file failed to parse:" << dataFile;
            m_damagedFile = true;
        }
    }

    if (m_progress)
        m_progress->SetPercent(80);
    ExampleData::Fill(m_records, this);
    CMeeting::SortByDate(m_records.meetings, true);

    if (m_progress)
        m_progress->SetPercent(90);
    // Every Tasks.ini is rooted at Task1, the first task the program made; a document made after
    // others in the same process has a later id of its own.
    m_rootTask->SetId(kRootTaskId);
    m_rootTask->Load(FilePath(FC_TASKS));
    m_rootTask->SetName(StringTable::Get(59808));

    if (m_progress) {
        m_progress->SetPercent(100);
        m_progress->End();
    }
    SetModified(fromIni && m_unreadableOlderFile.isEmpty());
}

void CNewZelDoc::LoadOlderIniFiles()
{
    // Each file is read whole first: one that exists but cannot be read stops the conversion, or
    // the next save would take its records for none and delete it.
    const auto read = [this](const QString& path, const auto& loadAll) {
        CIniFile file;
        if (!file.Load(path) && QFileInfo(path).exists() && m_unreadableOlderFile.isEmpty())
            m_unreadableOlderFile = path;
        auto records = loadAll(file);
        // A file that holds something yet gave no record is not what this program wrote: it stays.
        if (!records.isEmpty() || QFileInfo(path).size() == 0)
            m_olderFilesToRemove.append(path);
        return records;
    };
    CRecordCounters* counters = &m_records.counters;
    m_records.groups.append(
        read(FilePath(FC_GROUPS), [this, counters](const CIniFile& file) { return CGroup::LoadAllIni(file, this, counters); }));
    m_records.guests.append(read(FilePath(FC_GUESTS), [this, counters](const CIniFile& file) {
        return CGuest::LoadAllIni(file, &m_settings, this, counters, [this](int percent) {
            if (m_progress)
                m_progress->SetPercent(percent);
        });
    }));
    const auto with = [counters](auto loadAll) {
        return [counters, loadAll](const CIniFile& file) { return loadAll(file, counters); };
    };
    m_records.expenses.append(read(FilePath(FC_EXPENCES), with(&CExpence::LoadAllIni)));
    m_records.tables.append(read(FilePath(FC_TABLES),
                                 [this, counters](const CIniFile& file) { return CTable::LoadAllIni(file, this, counters); }));
    m_records.meetings.append(read(FilePath(FC_MEETINGS), with(&CMeeting::LoadAllIni)));
    m_records.categories.append(read(FilePath(FC_CATEGORY), with(&CCategory::LoadAllIni)));
    m_records.offers.append(read(FilePath(FC_OFFERS), with(&COffer::LoadAllIni)));
    m_records.shapes.append(read(CShape::SketchFilePath(FilePath(FC_GAN_ARRANGEMENT)), with(&CShapeFactory::LoadAllIni)));
    if (!m_unreadableOlderFile.isEmpty()) {
        qCWarning(lcDocument) << "LoadOlderIniFiles: cannot read" << m_unreadableOlderFile;
        Ask(kConversionStoppedText, kConversionStoppedCaption, MSG_OK, {QDir::toNativeSeparators(m_unreadableOlderFile)});
    }
}

bool CNewZelDoc::SaveEvent()
{
    // Edits still open in a view (the guest list's column widths among them) belong to this save.
    emit AboutToSave();
    m_settings.SetLastGuestUniqueId(m_records.counters.UniqueIdCounter());
    bool saved = SaveSettingsAndCheckpoint();
    if (!m_modified && saved)
        return true;
    // Until every older file can be read, writing the data file would hide the records of the one
    // that could not: the next load reads the data file alone.
    if (m_modified && !m_unreadableOlderFile.isEmpty()) {
        Ask(kConversionStoppedText, kConversionStoppedCaption, MSG_OK, {QDir::toNativeSeparators(m_unreadableOlderFile)});
        return false;
    }

    if (m_modified) {
        if (m_progress) {
            m_progress->Begin(StringTable::Get(59463));
            m_progress->SetPercent(0);
        }
        const QString dataFile = FilePath(FC_WEDDING_DATA);
        // A damaged file is replaced only once a copy of it is kept.
        const bool written = (!m_damagedFile || KeepDamagedFile()) &&
                             COffer::ReplaceOlderPlanKeys(FilePath(FC_OFFERS), m_records.offers) &&
                             CEventFile::Write(dataFile, m_records);
        if (written) {
            // The older files go only once the data file that replaces them is complete.
            for (const QString& path : std::as_const(m_olderFilesToRemove))
                QFile::remove(path);
            m_olderFilesToRemove.clear();
            saved = CSettings::WriteGuestsCount(FilePath(FC_SETTINGS), GuestCount()) && saved;
        } else {
            qCWarning(lcDocument) << "SaveEvent: cannot write" << dataFile;
            saved = false;
        }
        if (m_progress)
            m_progress->SetPercent(100);
        // The tree is written whole into a fresh file that replaces the old one, so no stale task survives.
        if (m_rootTask->IsModified())
            saved = m_rootTask->Save(FilePath(FC_TASKS)) && saved;
        if (m_progress)
            m_progress->End();
    }

    if (!saved) {
        Ask(kNotSavedText, kNotSavedCaption, MSG_OK, {QDir::toNativeSeparators(m_location.CurrentEventFolder())});
        return false;
    }
    SetModified(false);
    if (m_settings.GetFtpAutoUpload() && m_services && !m_settings.GetFtpServer().isEmpty() &&
        !m_settings.GetFtpUser().isEmpty())
        m_services->UploadEvent(*this);
    return true;
}

bool CNewZelDoc::SaveSettingsAndCheckpoint()
{
    m_location.GetEventFolder(); // a brand-new event has no folder yet
    const bool settings = m_settings.Save(FilePath(FC_SETTINGS));
    // Before the first load there is no backup numbering to write.
    const bool checkpoint = m_checkpoint.GetFile().isEmpty() || m_checkpoint.Save();
    return settings && checkpoint;
}

bool CNewZelDoc::KeepDamagedFile()
{
    const QString dataFile = FilePath(FC_WEDDING_DATA);
    const QString kept = dataFile + QStringLiteral(".damaged-") +
                         EventFileSet::CheckpointName(QDateTime::currentDateTime());
    if (!QFile::copy(dataFile, kept)) {
        qCWarning(lcDocument) << "SaveEvent: cannot keep the damaged data file as" << kept;
        return false;
    }
    m_damagedFile = false;
    Ask(kDamagedText, kDamagedCaption, MSG_OK, {QFileInfo(kept).fileName()});
    return true;
}

void CNewZelDoc::ReloadEvent()
{
    UpdateAllViews(nullptr, HINT_EVENT_RELOADING);
    ClearEvent();
    LoadEvent();
    m_settings.Load(FilePath(FC_SETTINGS));
    UpdateAllViews(nullptr, HINT_EVENT_RELOADED);
}

void CNewZelDoc::SetModified(bool modified)
{
    const bool changed = modified != m_modified;
    m_modified = modified;
    if (changed)
        emit ModifiedChanged(modified);
    if (modified)
        emit Edited();
}

bool CNewZelDoc::RestoreFrom(const QString& dataFile)
{
    UpdateAllViews(nullptr, HINT_EVENT_RELOADING);
    ClearEvent();
    LoadEventFrom(dataFile);
    const bool whole = !m_damagedFile;
    if (!whole) {
        // A copy that does not read whole is worth less than the saved event.
        ClearEvent();
        LoadEvent();
    } else {
        SetModified(true);
    }
    UpdateAllViews(nullptr, HINT_EVENT_RELOADED);
    return whole;
}

void CNewZelDoc::SetActiveEvent(CZelEvent* event)
{
    m_events.MakeActive(event);
}

void CNewZelDoc::UseEventFolder(const QString& folder)
{
    const QString wanted = QDir::cleanPath(QDir(folder).absolutePath());
    CZelEvent* listed = nullptr;
    for (int i = 0; i < m_events.Count() && !listed; ++i)
        if (QDir::cleanPath(m_events.At(i)->GetFolder()) == wanted)
            listed = m_events.At(i);
    if (listed)
        m_events.MakeActive(listed);
    else
        m_location.SetEventFolder(wanted);
    m_settings.Load(FilePath(FC_SETTINGS));
    m_records.counters.SetUniqueIdCounter(m_settings.GetLastGuestUniqueId());
}

bool CNewZelDoc::CreateEventFolder(const QString& sourceFolder)
{
    // The new folder is made whole before the event is listed: a failure leaves the current event
    // active and untouched. The events are found by a scan that stops at the first missing folder,
    // so the current one is made first (a data folder where nothing was saved yet has none).
    m_location.GetEventFolder();
    const QString folder = m_events.NextEventFolder();
    if (!QDir().mkpath(folder))
        return false;
    if (!sourceFolder.isEmpty()) {
        const QString name = CDataLocation::FileName(FC_WEDDING_DATA);
        if (!QFile::copy(sourceFolder + QLatin1Char('/') + name, folder + QLatin1Char('/') + name)) {
            qCWarning(lcDocument) << "CreateEventFolder: cannot copy the data file of" << sourceFolder;
            QDir(folder).removeRecursively();
            return false;
        }
    }
    SetActiveEvent(m_events.AddEvent(folder));
    ReloadEvent();
    const CBatch batch(*this);
    // The copied data file still holds the answers: the event differs from it from now on.
    SetModified(true);
    for (CGuest* guest : m_records.guests) {
        guest->SetTableIndex(0);
        guest->SetCameCount(0);
        guest->SetArrived(false);
        guest->SetInvitationSent(false);
        guest->SetStatus(0);
        guest->SetGiftDollars(0);
        guest->SetGiftShekels(0);
        guest->SetSmsCount(0);
        guest->SetGift(QString());
        guest->SetGiftInfo(QString());
    }
    return true;
}

void CNewZelDoc::CreateDefaultGroups(QString brideName, QString groomName)
{
    if (brideName.isEmpty() && groomName.isEmpty())
        return;
    if (brideName == groomName) {
        brideName += StringTable::Get(59606);
        groomName += StringTable::Get(59607);
    }
    const bool single = brideName.isEmpty() || groomName.isEmpty();
    if (!m_records.groups.isEmpty())
        return;
    const QStringList hebrew = {QStringLiteral("%s-חברים מהצבא"), QStringLiteral("%s-חברי ילדות"),
                                QStringLiteral("%s-חברים מהתיכון"), QStringLiteral("%s-חברים מהאוניברסיטה"),
                                QStringLiteral("%s-חברים מהעבודה"), QStringLiteral("%s-משפחה")};
    const QStringList english = {QStringLiteral("%s-Childhood friends"), QStringLiteral("%s-High School friends"),
                                 QStringLiteral("%s-University friends"), QStringLiteral("%s-Working place friends"),
                                 QStringLiteral("%s-Family"), QStringLiteral("%s-Other friends")};
    QStringList patterns;
    for (const QString& pattern : Language::IsHebrew() ? hebrew : english) {
        patterns << pattern;
        if (!single)
            patterns << pattern;
    }
    if (brideName.isEmpty())
        brideName = groomName;
    for (int i = 0; i < patterns.size(); ++i)
        AddGroup(StringTable::Fill(patterns[i], {i % 2 == 0 && !single ? groomName : brideName}), nullptr);
}

CGuest* CNewZelDoc::AddGuest(const QString& name, const QString& familyName, QObject* sender,
                             const std::function<void(CGuest&)>& prepare)
{
    auto* guest = new CGuest(&m_settings, this, &m_records.counters);
    guest->SetName(name);
    guest->SetFamilyName(familyName);
    if (prepare)
        prepare(*guest);
    m_records.guests.append(guest);
    SetModified(true);
    // Every view but the one that added the guest.
    UpdateAllViews(sender, HINT_GUEST_ADDED, guest);
    return guest;
}

void CNewZelDoc::DeleteGuest(CGuest& guest, QObject* sender)
{
    if (!m_records.guests.removeOne(&guest))
        return;
    // The guests it named forget it, so that a later guest of that name starts free.
    for (const QString& name : guest.GetRestrictions())
        if (CGuest* other = FindGuestByFullName(name))
            other->RemoveRestriction(guest.GetFullName());
    SetModified(true);
    UpdateAllViews(sender, HINT_GUEST_DELETED, &guest);
    delete &guest;
}

CGroup* CNewZelDoc::AddGroup(const QString& name, QObject* sender)
{
    auto* group = new CGroup(this, &m_records.counters);
    group->SetName(name);
    m_records.groups.append(group);
    SetModified(true);
    UpdateAllViews(sender, HINT_GROUP_ADDED, group);
    return group;
}

CGroup* CNewZelDoc::FindGroupByName(const QString& name) const
{
    for (CGroup* group : m_records.groups)
        if (group->GetName() == name)
            return group;
    return nullptr;
}

bool CNewZelDoc::IsGroupUsed(const QString& name) const
{
    return std::any_of(m_records.guests.cbegin(), m_records.guests.cend(),
                       [&name](const CGuest* guest) { return guest->GetGroupName() == name; });
}

void CNewZelDoc::SwapGroupNames(CGroup& first, CGroup& second)
{
    CGroup temporary(nullptr);
    first.CopyNameTo(temporary);
    second.CopyNameTo(first);
    temporary.CopyNameTo(second);
    temporary.ReleaseId();
    SetModified(true);
}

void CNewZelDoc::RenameGroupInGuests(const QString& oldName, const QString& newName)
{
    SetModified(true);
    for (CGuest* guest : m_records.guests)
        if (guest->GetGroupName() == oldName)
            guest->SetGroupName(newName);
}

bool CNewZelDoc::AddRestriction(CGuest& guest, const QString& fullName)
{
    const bool added = guest.AddRestriction(fullName, true);
    if (added)
        SetModified(true);
    return added;
}

qint64 CNewZelDoc::SumInvited() const
{
    qint64 sum = 0;
    for (const CGuest* guest : m_records.guests)
        sum += guest->GetInvited();
    return sum;
}

qint64 CNewZelDoc::SumComing() const
{
    qint64 sum = 0;
    for (const CGuest* guest : m_records.guests)
        sum += guest->GetComing();
    return sum;
}

qint64 CNewZelDoc::SumSmsCount() const
{
    qint64 sum = 0;
    for (const CGuest* guest : m_records.guests)
        sum += guest->GetSmsCount();
    return sum;
}

CGuest* CNewZelDoc::FindGuestByFullName(const QString& fullName) const
{
    for (CGuest* guest : m_records.guests)
        if (guest->GetFullName() == fullName)
            return guest;
    return nullptr;
}

CTable* CNewZelDoc::CreateTable(const QString& name, int hallNumber, int seats)
{
    auto* table = new CTable(this, &m_records.counters);
    table->SetName(name);
    table->SetSeats(seats == -1 ? m_settings.GetNumberOfGuestsInTable() : seats);
    table->SetHallNumber(hallNumber == -1 ? NextFreeHallNumber() : hallNumber);
    table->SetId(int(m_records.tables.size()));
    m_records.tables.append(table);
    SetModified(true);
    UpdateAllViews(nullptr, HINT_TABLE_ADDED, table);
    return table;
}

int CNewZelDoc::NextFreeHallNumber() const
{
    const int count = int(m_records.tables.size());
    for (int n = 1; n <= count; ++n)
        if (FindTableByHallNumber(n))
            return n;
    return 0;
}

bool CNewZelDoc::FindTableByHallNumber(int hallNumber, int* tableId, QString* tableName) const
{
    if (hallNumber == 0)
        return true;
    for (const CTable* table : m_records.tables) {
        if (table->GetHallNumber() == hallNumber) {
            if (tableId)
                *tableId = table->GetId();
            if (tableName)
                *tableName = table->GetName();
            return false;
        }
    }
    return true;
}

bool CNewZelDoc::IsTableNameFree(const QString& name) const
{
    return std::none_of(m_records.tables.cbegin(), m_records.tables.cend(),
                        [&name](const CTable* table) { return table->GetName() == name; });
}

CTable* CNewZelDoc::FindTableBySerial(int serial) const
{
    for (CTable* table : m_records.tables)
        if (table->GetSerial() == serial)
            return table;
    return nullptr;
}

int CNewZelDoc::TableNumberBySerial(int serial) const
{
    const CTable* table = FindTableBySerial(serial);
    return table ? table->GetId() : -1;
}

void CNewZelDoc::DeleteTable(CTable& table)
{
    const CBatch batch(*this);
    SetModified(true);
    const int deleted = table.GetId();
    if (deleted <= 0)
        return;
    MoveGuests(deleted, 0);
    m_records.tables.removeOne(&table);
    delete &table;
    for (CTable* later : m_records.tables) {
        const int id = later->GetId();
        if (id > deleted) {
            later->SetId(id - 1);
            MoveGuests(id, id - 1);
        }
    }
}

void CNewZelDoc::DeleteAllTables()
{
    qDeleteAll(std::exchange(m_records.tables, {}));
    ExampleData::AddUnseatedTable(m_records, this);
    SetModified(true);
}

void CNewZelDoc::SwapTables(int first, int second)
{
    const int count = int(m_records.tables.size());
    if (first < 0 || second < 0 || first >= count || second >= count || first == second)
        return;
    const CBatch batch(*this);
    CTable* a = m_records.tables[first];
    CTable* b = m_records.tables[second];
    // A number no table has, to hold the first table's guests for a moment.
    const int parked = count;
    MoveGuests(first, parked);
    MoveGuests(second, first);
    MoveGuests(parked, second);
    CTable temporary(nullptr);
    a->CopyTo(temporary);
    b->CopyTo(*a);
    temporary.CopyTo(*b);
    temporary.ReleaseId();
    SetModified(true);
}

void CNewZelDoc::MoveTable(int from, int to)
{
    if (from < 0 || to < 0)
        return;
    const CBatch batch(*this);
    const int step = from < to ? 1 : -1;
    for (int position = from; position != to; position += step)
        SwapTables(position, position + step);
}

void CNewZelDoc::MoveGuests(int fromTable, int toTable)
{
    const CBatch batch(*this);
    SetModified(true);
    for (CGuest* guest : m_records.guests)
        if (guest->GetTableIndex() == fromTable)
            guest->SetTableIndex(toTable);
}

QList<CGuest*> CNewZelDoc::GuestsAtTable(int tableId, bool sorted) const
{
    QList<CGuest*> guests;
    for (CGuest* guest : m_records.guests)
        if (guest->GetTableIndex() == tableId)
            guests.append(guest);
    if (sorted)
        std::stable_sort(guests.begin(), guests.end(),
                         [](const CGuest* a, const CGuest* b) { return a->GetFullName() < b->GetFullName(); });
    return guests;
}

qint64 CNewZelDoc::SeatedSum(int tableNumber, int mode) const
{
    if (tableNumber < 0 || tableNumber >= m_records.tables.size())
        return 0;
    qint64 sum = 0;
    for (const CGuest* guest : m_records.guests) {
        if (guest->GetTableIndex() != tableNumber)
            continue;
        sum += mode == CTable::CountComing ? guest->GetComing()
             : mode == CTable::CountInvited ? guest->GetInvited()
                                            : guest->GetCameCount();
    }
    return sum;
}

void CNewZelDoc::GuestTableChanged(CGuest&)
{
    SetModified(true);
    UpdateAllViews(nullptr, HINT_TABLE_CHANGED, nullptr);
}

CNewZelDoc::CBatch::CBatch(CNewZelDoc& document)
    : m_document(document)
{
    ++m_document.m_batchDepth;
}

CNewZelDoc::CBatch::~CBatch()
{
    if (--m_document.m_batchDepth == 0)
        m_document.SendHeldHints();
}
