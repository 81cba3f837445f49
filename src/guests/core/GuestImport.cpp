#include "guests/core/GuestImport.h"

#include "backup/core/EventFolderReplace.h"

#include "guests/core/GuestTexts.h"
#include "guests/core/SheetReader.h"

#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"
#include "data/records/EventRecords.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"
#include "data/storage/IniFile.h"
#include "data/storage/XmlParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cmath>

namespace {

const QString kReadError = QStringLiteral("שגיאה בקריאת הקובץ");
const QString kNoEventText =
    QStringLiteral("הסיפריה שנבחרה אינה מכילה נתונים שהמערכת יכולה לפענח\r\nאנא ביחרו סיפריה אחרת");
const QString kNoEventCaption = QStringLiteral("סיפריה לא מכילה נתונים!");
const QString kWorkbookNameText =
    QStringLiteral("קובץ המוזמנים צריך להקרא Guests.xls\r\nבכדי שהתוכנה תוכל לקרוא ממנו , ביחרו קובץ אחר");
const QString kWorkbookNameCaption = QStringLiteral("אין נתונים קריאים בקובץ זה");
const QString kNoSheetText = QStringLiteral("אין גיליון בשם Guests כנדרש");
const QString kRelationQuestion = QStringLiteral(
    "למוזמן %s %s לא הוגדרה קירבה כראוי\r\nהאופציות הן החתן,הכלה,משותף\r\nהקירבה תאותחל ל- 'משותף' \r\n האם להמשיך?");
const QString kExistingText = QStringLiteral("חלק מהמוזמנים כבר קימים והם לא הוספו לרשימה\r\n");
const QString kExistingCaption = QStringLiteral("מוזמנים כבר קימים!");
const QString kNoFolderText = QStringLiteral("נא לבחור סיפרית נתונים");
const QString kNoFolderCaption = QStringLiteral("סיפרית נתונים ריקה");
const QString kReplaceQuestion = QStringLiteral(
    "המערכת עומדת להחליף את כל הנתונים הנוכחים בנתונים\r\nהנמצאים בסיפריה  %s \r\nכל הנתונים הנוכחים ימחקו. האם להמשיך?");
const QString kReplaceCaption = QStringLiteral("החלפת כל הנתונים!?");
const QString kOwnFolderText = QStringLiteral("הסיפריה שנבחרה היא סיפרית הארוע הנוכחי\r\nאנא ביחרו סיפריה אחרת");
const QString kNoCheckpointText =
    QStringLiteral("לא ניתן היה לגבות את הנתונים הנוכחים\r\nהנתונים לא הוחלפו");
const QString kCopyFailedText =
    QStringLiteral("תקלה קרתה תוך כדי החלפת הנתונים\r\nהנתונים הקודמים נשמרו בסיפריה  %s");
const QString kAlreadyThere = QStringLiteral("already in the event");

// The sheet's columns, in the order of their headers below.
enum Column { kName, kFamily, kRelation, kGroup, kPhone, kMobile, kAddress, kEmail, kInvited, kComing, kColumnCount };

const QStringList& Headers()
{
    static const QStringList headers = {
        QStringLiteral("שם"),          QStringLiteral("שם משפחה"),   QStringLiteral("שיכות"),
        QStringLiteral("קבוצה"),       QStringLiteral("טלפון"),       QStringLiteral("טלפון נייד"),
        QStringLiteral("כתובת"),       QStringLiteral("אי-מייל"),     QStringLiteral("מספר מוזמנים"),
        QStringLiteral("יבואו בפועל"),
    };
    return headers;
}

// A count cell: whole numbers within 0 to 9999; text that is no number reads 0.
int CountOf(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return int(qBound(0.0, std::trunc(value), 9999.0));
}

// The stored relation for a cell, or an empty text when the cell holds none of the accepted ones.
QString RelationOf(const QString& text)
{
    if (text == GuestTexts::Bride() || text == QStringLiteral("כלה"))
        return GuestTexts::Bride();
    if (text == GuestTexts::Groom() || text == QStringLiteral("חתן"))
        return GuestTexts::Groom();
    if (text == GuestTexts::Shared())
        return GuestTexts::Shared();
    return QString();
}

// Reads an event folder's guests into the records; false when the folder holds no readable event.
bool LoadEventGuests(const QString& folder, CEventRecords& records)
{
    const QDir dir(folder);
    const QString dataFile = dir.filePath(CDataLocation::FileName(FC_WEDDING_DATA));
    if (QFileInfo(dataFile).isFile()) {
        CXmlParser parser(records, nullptr, nullptr);
        return parser.Parse(dataFile) == 0;
    }
    const QString guestsFile = dir.filePath(CDataLocation::FileName(FC_GUESTS));
    CIniFile file;
    if (!QFileInfo(guestsFile).isFile() || !file.Load(guestsFile))
        return false;
    records.guests = CGuest::LoadAllIni(file, nullptr, nullptr, &records.counters);
    return true;
}

// Everything a candidate brings but its names, group, table and restrictions.
void CopyFields(const CGuest& from, CGuest& to)
{
    to.SetNotes(from.GetNotes());
    to.SetRelation(from.GetRelation());
    to.SetPhone(from.GetPhone());
    to.SetMobilePhone(from.GetMobilePhone());
    to.SetAddress(from.GetAddress());
    to.SetGift(from.GetGift());
    to.SetGiftInfo(from.GetGiftInfo());
    to.SetEmail(from.GetEmail());
    to.SetStatus(from.GetStatus());
    to.SetNeedKidsChair(from.GetNeedKidsChair());
    to.SetInvitationSent(from.GetInvitationSent());
    to.SetArrived(from.GetArrived());
    to.SetInvitations(from.GetInvitations());
    to.SetCameCount(from.GetCameCount());
    to.SetInvited(from.GetInvited());
    to.SetComing(from.GetComing());
    to.SetKids(from.GetKids());
    to.SetGiftShekels(from.GetGiftShekels());
    to.SetGiftDollars(from.GetGiftDollars());
    to.SetTransport(from.GetTransport());
    to.SetSmsCount(from.GetSmsCount());
}

bool SameFolder(const QString& first, const QString& second)
{
    return QFileInfo(first).canonicalFilePath() == QFileInfo(second).canonicalFilePath();
}

}

CGuestImport::CGuestImport(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
    , m_source(std::make_unique<CEventRecords>())
{
}

CGuestImport::~CGuestImport() = default;

const QList<CGuest*>& CGuestImport::Candidates() const
{
    return m_source->guests;
}

int CGuestImport::Tell(const QString& text, const QString& caption, int buttons, const QStringList& args) const
{
    return UserQuestion::Ask(m_document.Messages(), text, caption, buttons, args);
}

bool CGuestImport::IsEventFolder(const QString& folder)
{
    CEventRecords records;
    return !folder.isEmpty() && LoadEventGuests(folder, records);
}

bool CGuestImport::ReadEventFolder(const QString& folder)
{
    auto records = std::make_unique<CEventRecords>();
    if (folder.isEmpty() || !LoadEventGuests(folder, *records)) {
        Tell(kNoEventText, kNoEventCaption, MSG_OK);
        return false;
    }
    m_source = std::move(records);
    return true;
}

bool CGuestImport::ReadSheet(const QString& path)
{
    CSheetReader sheet;
    switch (sheet.Read(path)) {
    case CSheetReader::Result::Ok:
        break;
    case CSheetReader::Result::WrongWorkbookName:
        Tell(kWorkbookNameText, kWorkbookNameCaption, MSG_OK);
        return false;
    case CSheetReader::Result::NoGuestsSheet:
        Tell(kNoSheetText, kReadError, MSG_OK);
        return false;
    case CSheetReader::Result::Unreadable:
        Tell(kReadError, kReadError, MSG_OK);
        return false;
    }

    QList<int> columns(kColumnCount, -1);
    for (int column = CSheetReader::kColumns - 1; column >= 0; --column) {
        const int field = int(Headers().indexOf(sheet.Cell(0, column)));
        if (field >= 0)
            columns[field] = column;
    }
    const struct
    {
        Column column;
        const char16_t* text;
    } required[] = {
        {kRelation, u"לא נמצאה עמודת 'שיכות' כנדרש"},
        {kFamily, u"לא נמצאה עמודת 'שם משפחה' כנדרש"},
        {kName, u"לא נמצאה עמודת 'שם' כנדרש"},
    };
    for (const auto& [column, text] : required) {
        if (columns[column] < 0) {
            Tell(QString::fromUtf16(text), kReadError, MSG_OK);
            return false;
        }
    }

    auto records = std::make_unique<CEventRecords>();
    for (int row = 1; row < sheet.RowCount() && !sheet.Cell(row, columns[kName]).isEmpty(); ++row)
        if (!ReadSheetRow(sheet, row, columns, *records))
            break;
    if (records->guests.isEmpty()) {
        Tell(kReadError, kReadError, MSG_OK);
        return false;
    }
    m_source = std::move(records);
    return true;
}

bool CGuestImport::ReadSheetRow(const CSheetReader& sheet, int row, const QList<int>& columns,
                                CEventRecords& into) const
{
    const auto cell = [&](Column column) { return columns[column] < 0 ? QString() : sheet.Cell(row, columns[column]); };
    const QString name = cell(kName);
    const QString family = cell(kFamily);
    QString relation = RelationOf(cell(kRelation));
    if (relation.isEmpty()) {
        if (Tell(kRelationQuestion, kReadError, MSG_YES_NO, {name, family}) != MSG_RESULT_YES)
            return false;
        relation = GuestTexts::Shared();
    }
    auto* guest = new CGuest(nullptr, nullptr, &into.counters);
    guest->SetName(name);
    guest->SetFamilyName(family);
    guest->SetRelation(relation);
    guest->SetGroupName(cell(kGroup));
    guest->SetPhone(cell(kPhone));
    guest->SetMobilePhone(cell(kMobile));
    guest->SetAddress(cell(kAddress));
    guest->SetEmail(cell(kEmail));
    guest->SetInvited(CountOf(cell(kInvited)));
    guest->SetComing(CountOf(cell(kComing)));
    guest->SetStatus(0);
    into.guests.append(guest);
    return true;
}

CGuestImport::Outcome CGuestImport::AddAll()
{
    QList<int> rows;
    for (int row = 0; row < m_source->guests.size(); ++row)
        rows.append(row);
    return Add(rows);
}

CGuestImport::Outcome CGuestImport::Add(const QList<int>& rows)
{
    Outcome outcome;
    QSet<QString> names;
    QSet<int> uniqueIds;
    QHash<QString, CGuest*> byName;
    for (CGuest* guest : m_document.Guests()) {
        names.insert(guest->GetFullName());
        uniqueIds.insert(guest->GetUniqueId());
        byName.insert(guest->GetFullName(), guest);
    }
    QSet<QString> groups;
    for (const CGroup* group : m_document.Groups())
        groups.insert(group->GetName());

    QList<CGuest*>& candidates = m_source->guests;
    QList<bool> taken(candidates.size(), false);
    QList<QPair<CGuest*, const CGuest*>> added;
    {
        CNewZelDoc::CBatch batch(m_document);
        for (const int row : rows) {
            if (row < 0 || row >= candidates.size() || taken[row])
                continue;
            const CGuest& candidate = *candidates[row];
            const QString fullName = candidate.GetFullName();
            if (names.contains(fullName)) {
                outcome.skipped.append({fullName, kAlreadyThere});
                continue;
            }
            QString group = m_autoGroups ? candidate.GetGroupName() : QString();
            if (group.isEmpty())
                group = m_targetGroup;
            if (!group.isEmpty() && !groups.contains(group)) {
                m_document.AddGroup(group, m_sender);
                groups.insert(group);
            }
            CGuest* guest = m_document.AddGuest(candidate.GetName(), candidate.GetFamilyName(), m_sender,
                                                [&](CGuest& made) {
                                                    CopyFields(candidate, made);
                                                    made.SetGroupName(group);
                                                    // Every event counts from the same start: a used id
                                                    // leaves the fresh one in place.
                                                    if (!uniqueIds.contains(candidate.GetUniqueId()))
                                                        made.SetUniqueId(candidate.GetUniqueId());
                                                });
            names.insert(fullName);
            uniqueIds.insert(guest->GetUniqueId());
            byName.insert(fullName, guest);
            taken[row] = true;
            added.append({guest, &candidate});
            outcome.added.append(fullName);
        }
        // Restrictions that name a guest of this event stay, on both sides.
        for (const auto& [guest, candidate] : std::as_const(added))
            for (const QString& restricted : candidate->GetRestrictions())
                if (CGuest* other = byName.value(restricted); other && other != guest) {
                    guest->AddRestriction(restricted, false);
                    other->AddRestriction(guest->GetFullName(), false);
                }
    }

    QList<CGuest*> kept;
    for (int row = 0; row < candidates.size(); ++row) {
        if (taken[row])
            delete candidates[row];
        else
            kept.append(candidates[row]);
    }
    candidates = kept;

    QStringList skippedNames;
    for (const Skipped& skipped : std::as_const(outcome.skipped))
        skippedNames.append(skipped.fullName);
    ReportSkipped(skippedNames);
    return outcome;
}

void CGuestImport::ReportSkipped(const QStringList& names) const
{
    if (names.isEmpty())
        return;
    QString text = kExistingText;
    for (int i = 0; i < names.size(); ++i)
        text += QStringLiteral("%1. %2\r\n").arg(i + 1).arg(names[i]);
    Tell(text, kExistingCaption, MSG_OK);
}

bool CGuestImport::ReplaceAll(const QString& folder)
{
    if (folder.isEmpty()) {
        Tell(kNoFolderText, kNoFolderCaption, MSG_OK);
        return false;
    }
    CDataLocation& location = m_document.Location();
    const QString eventFolder = location.GetEventFolder();
    if (SameFolder(folder, eventFolder)) {
        Tell(kOwnFolderText, kReplaceCaption, MSG_OK);
        return false;
    }
    if (!IsEventFolder(folder)) {
        Tell(kNoEventText, kNoEventCaption, MSG_OK);
        return false;
    }
    if (Tell(kReplaceQuestion, kReplaceCaption, MSG_YES_NO, {QDir::toNativeSeparators(folder)}) != MSG_RESULT_YES)
        return false;

    // The checkpoint copies the files on disk, so unsaved edits are written first.
    if (m_document.IsModified() && !m_document.SaveEvent())
        return false;
    const QString checkpoint = EventFileSet::TakeCheckpoint(eventFolder, location.GetBackupFolder());
    if (checkpoint.isEmpty()) {
        Tell(kNoCheckpointText, kReplaceCaption, MSG_OK);
        return false;
    }
    // All or nothing: the event folder ends with exactly the other event's files, or stays as it was.
    CEventFolderReplace replace(location.GetDataFolder(), eventFolder);
    if (!replace.IsReady() || !replace.Stage(folder) || !replace.Commit()) {
        Tell(kCopyFailedText, kReplaceCaption, MSG_OK, {QDir::toNativeSeparators(checkpoint)});
        return false;
    }
    m_document.ReloadEvent();
    return true;
}
