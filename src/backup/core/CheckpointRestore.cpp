#include "backup/core/CheckpointRestore.h"

#include "backup/core/CheckpointStore.h"
#include "backup/core/EventFolderReplace.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/settings/StringTable.h"
#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"

#include <QFileInfo>

namespace {

const QString kFailedText = QStringLiteral(
    "שיחזור הנתונים נכשל, ונתוני הארוע נשארו כפי שהיו.\r\n"
    "אנא ודאו שניתן לקרוא את הגיבוי ולכתוב לספריית הארוע, ונסו שוב.");
const QString kFailedCaption = QStringLiteral("השיחזור נכשל");
const QString kOtherEventText = QStringLiteral(
    "הגיבוי שנבחר שייך לארוע אחר (קוד ארוע או שרת שיתוף שונים).\r\n"
    "האם להחליף גם את הגדרות השיתוף של הארוע הנוכחי בהגדרות שבגיבוי?\r\n"
    "בחרו \"לא\" כדי לשחזר את הנתונים ולהשאיר את הגדרות השיתוף הנוכחיות.");
const QString kOtherEventCaption = QStringLiteral("גיבוי של ארוע אחר");

struct SettingKey
{
    const char* section;
    const char* key;
};
// The settings that tie an event to the approvals site and to the sharing server.
const SettingKey kSharingKeys[] = {{"KeySettings", "EventCode"}, {"FTPSettings", "FTPServer"},
                                   {"FTPSettings", "FTPUser"},    {"FTPSettings", "FTPP"},
                                   {"FtpSettings", "FtpAutoUpload"}, {"FtpSettings", "FtpAutoDownload"},
                                   {"FtpSettings", "FtpSavePass"}};

QString Value(const CIniFile& file, const SettingKey& key)
{
    return file.GetString(QString::fromLatin1(key.section), QString::fromLatin1(key.key));
}

}

CCheckpointRestore::CCheckpointRestore(CNewZelDoc& document)
    : m_document(document)
{
}

QString CCheckpointRestore::DateText(const QString& name)
{
    QString text = name;
    return text.replace(QStringLiteral("--"), StringTable::Get(59560));
}

CCheckpointRestore::Result CCheckpointRestore::Fail() const
{
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(kFailedText, kFailedCaption, MSG_OK);
    return Result::Failed;
}

CCheckpointRestore::Result CCheckpointRestore::Restore(const QString& name)
{
    CDataLocation& location = m_document.Location();
    const CCheckpointStore store(location.GetBackupFolder());
    const QString checkpoint = store.Folder(name);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || !QFileInfo(checkpoint).isDir())
        return Fail();
    IUserMessages* messages = m_document.Messages();
    const QString question = StringTable::Fill(StringTable::Get(59507), {DateText(name)});
    if (!messages || messages->MessageByText(question, StringTable::Get(59508), MSG_YES_NO) != MSG_RESULT_YES)
        return Result::Declined;

    // The files on disk are what the undo checkpoint copies and what the sharing settings are
    // compared with.
    if (!m_document.SaveEvent())
        return Result::Failed;
    const QString eventFolder = location.GetEventFolder();
    CEventFolderReplace replace(location.GetDataFolder(), eventFolder);
    if (!replace.Stage(checkpoint))
        return Fail();

    const QString stagedSettings = replace.StagingFolder() + QLatin1Char('/') + CDataLocation::FileName(FC_SETTINGS);
    const CIniFile current(location.GetFilePath(FC_SETTINGS));
    const CIniFile restored(stagedSettings);
    const bool otherEvent = Value(current, kSharingKeys[0]) != Value(restored, kSharingKeys[0]) ||
                            Value(current, kSharingKeys[1]) != Value(restored, kSharingKeys[1]);
    if (otherEvent) {
        const int answer = messages->MessageByText(kOtherEventText, kOtherEventCaption, MSG_YES_NO_CANCEL);
        if (answer != MSG_RESULT_YES && answer != MSG_RESULT_NO)
            return Result::Declined;
        if (answer == MSG_RESULT_NO && !KeepSharing(stagedSettings))
            return Fail();
    }
    if (!KeepLargerIndex(replace.StagingFolder() + QLatin1Char('/') + CDataLocation::FileName(FC_CHECKPOINT)))
        return Fail();

    // The checkpoint being restored may carry this very second's name: it must stay as it is.
    if (store.TakeSeparate(eventFolder).isEmpty() || !replace.Commit())
        return Fail();
    m_document.ReloadEvent();
    CZelEvent* active = m_document.Events().Active();
    if (active && !m_document.Settings().GetEveName().isEmpty())
        active->SetName(m_document.Settings().GetEveName());
    return Result::Restored;
}

bool CCheckpointRestore::KeepSharing(const QString& stagedSettings) const
{
    const CIniFile current(m_document.Location().GetFilePath(FC_SETTINGS));
    CIniFile staged(stagedSettings);
    for (const SettingKey& key : kSharingKeys) {
        const QString section = QString::fromLatin1(key.section);
        const QString name = QString::fromLatin1(key.key);
        if (current.HasKey(section, name))
            staged.SetString(section, name, current.GetString(section, name));
        else
            staged.RemoveKey(section, name);
    }
    return !staged.IsModified() || staged.Save();
}

bool CCheckpointRestore::KeepLargerIndex(const QString& stagedCheckpoint) const
{
    // The sharing server compares this number with its own: going back would make the next
    // automatic download undo the restore.
    const int index = m_document.Checkpoint().GetIndex();
    CIniFile staged(stagedCheckpoint);
    if (staged.GetInt(QStringLiteral("Checkpoint"), QStringLiteral("CpIndex"), 0) >= index)
        return true;
    staged.SetInt(QStringLiteral("Checkpoint"), QStringLiteral("CpIndex"), index);
    return staged.Save();
}
