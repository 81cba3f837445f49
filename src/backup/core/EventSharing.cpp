#include "backup/core/EventSharing.h"

#include "backup/core/CheckpointStore.h"
#include "backup/core/EventFolderReplace.h"
#include "backup/core/FtpSession.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ProgressReporter.h"
#include "data/document/UserMessages.h"
#include "data/settings/StringTable.h"
#include "data/storage/AtomicFile.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"
#include "data/storage/IniFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString kServerFolder = QStringLiteral("DB/");
const QString kTemporarySuffix = QStringLiteral(".upload");
const QString kCheckpointSection = QStringLiteral("Checkpoint");
const QString kIndexKey = QStringLiteral("CpIndex");
const QString kSharingSection = QStringLiteral("Sharing");
const QString kExchangedKey = QStringLiteral("Exchanged");
const QString kDigestKey = QStringLiteral("Digest");

const QString kUploadTitle = QStringLiteral("שומר לשרת ...");
const QString kDownloadTitle = QStringLiteral("מוריד נתונים מהשרת ...");
const QString kUploadFailedText = QStringLiteral(
    "השמירה לשרת נכשלה בקובץ %s:\r\n%s\r\nהנתונים והגרסה שבשרת נשארו כפי שהיו.");
const QString kUploadFailedCaption = QStringLiteral("השמירה לשרת נכשלה");
const QString kDownloadFailedText = QStringLiteral(
    "הורדת הנתונים מהשרת נכשלה בקובץ %s:\r\n%s\r\nהנתונים במחשב זה לא שונו.");
const QString kDownloadFailedCaption = QStringLiteral("ההורדה מהשרת נכשלה");
const QString kNoServerDataText = QStringLiteral(
    "בשרת %s אין נתונים של ארוע (אין Checkpoint.ini בספריה DB).\r\nהנתונים במחשב זה לא שונו.");
const QString kNoServerDataCaption = QStringLiteral("אין נתונים בשרת");
const QString kLocalChangesText = QStringLiteral(
    "במחשב זה יש שינויים שלא נשמרו לשרת מאז ההחלפה האחרונה עימו.\r\n"
    "הנתונים מהשרת (גרסה %d) יחליפו אותם, והם ישארו רק בגיבוי.\r\n"
    "האם להוריד את הנתונים בכל זאת?");
const QString kLocalChangesCaption = QStringLiteral("שינויים שלא נשמרו לשרת");
const QString kReplaceFailedText = QStringLiteral(
    "לא ניתן היה להחליף את הנתונים במחשב זה בנתונים מהשרת.\r\nהנתונים במחשב זה לא שונו.");

QString RemoteName(int code)
{
    // "../AppSettings.ini" climbs out of the event folder on the server too.
    return code == FC_APP_SETTINGS ? QStringLiteral("AppSettings.ini") : kServerFolder + CDataLocation::FileName(code);
}

QString TemporaryName(const QString& remote)
{
    return kServerFolder + remote.section(QLatin1Char('/'), -1) + kTemporarySuffix;
}

// This computer's account and sharing flags stay with the event: the uploader's may name another
// account or lack the password.
bool KeepLocalSharing(const CSettings& settings, const QString& stagedSettings)
{
    const QString account = QStringLiteral("FTPSettings");
    const QString flags = QStringLiteral("FtpSettings");
    CIniFile staged(stagedSettings);
    staged.SetString(account, QStringLiteral("FTPServer"), settings.GetFtpServer());
    staged.SetString(account, QStringLiteral("FTPUser"), settings.GetFtpUser());
    if (settings.GetFtpSavePass())
        staged.SetString(account, QStringLiteral("FTPP"), settings.GetFtpPassword());
    else
        staged.RemoveKey(account, QStringLiteral("FTPP"));
    staged.SetInt(flags, QStringLiteral("FtpAutoUpload"), settings.GetFtpAutoUpload() ? 1 : 0);
    staged.SetInt(flags, QStringLiteral("FtpAutoDownload"), settings.GetFtpAutoDownload() ? 1 : 0);
    staged.SetInt(flags, QStringLiteral("FtpSavePass"), settings.GetFtpSavePass() ? 1 : 0);
    return !staged.IsModified() || staged.Save();
}

int IndexIn(const QByteArray& checkpointFile, bool* ok)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Checkpoint.ini");
    *ok = dir.isValid() && AtomicFile::Write(path, checkpointFile);
    return CIniFile::ReadProfileInt(path, kCheckpointSection, kIndexKey, 0);
}

}

CEventSharing::CEventSharing(CNewZelDoc& document, std::function<bool()> editSettings)
    : m_document(document)
    , m_editSettings(std::move(editSettings))
{
}

bool CEventSharing::GetFtpCredentials(QString& server, QString& user, QString& password)
{
    const auto read = [&] {
        const CSettings& settings = m_document.Settings();
        server = settings.GetFtpServer();
        user = settings.GetFtpUser();
        password = settings.GetFtpPassword();
        return !server.isEmpty() && !user.isEmpty() && !password.isEmpty();
    };
    if (read())
        return true;
    if (!m_editSettings || !m_editSettings())
        return false;
    if (read())
        return true;
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageById(59820, 59821, MSG_OK);
    return false;
}

CEventSharing::Result CEventSharing::Tell(const QString& text, const QString& caption, const QStringList& args)
{
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(StringTable::Fill(text, args), caption, MSG_OK);
    return Result::Failed;
}

std::unique_ptr<CFtpSession> CEventSharing::Open(Result& refused)
{
    QString server, user, password;
    if (!GetFtpCredentials(server, user, password)) {
        refused = Result::Declined;
        return nullptr;
    }
    auto ftp = std::make_unique<CFtpSession>(server, user, password);
    if (ftp->Connect())
        return ftp;
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(StringTable::Get(59824) + QStringLiteral("\r\n") + ftp->LastError(),
                                StringTable::Get(59825), MSG_OK);
    refused = Result::Failed;
    return nullptr;
}

CEventSharing::ServerState CEventSharing::ReadServerVersion(CFtpSession& ftp, int& version)
{
    QByteArray bytes;
    if (!ftp.Get(kServerFolder + CDataLocation::FileName(FC_CHECKPOINT), bytes))
        return ftp.Missing() ? ServerState::Empty : ServerState::Failed;
    bool ok = false;
    version = IndexIn(bytes, &ok);
    return ok ? ServerState::Version : ServerState::Failed;
}

std::optional<int> CEventSharing::ServerVersion()
{
    const CSettings& settings = m_document.Settings();
    CFtpSession ftp(settings.GetFtpServer(), settings.GetFtpUser(), settings.GetFtpPassword());
    int version = 0;
    if (!ftp.Connect() || ReadServerVersion(ftp, version) != ServerState::Version)
        return std::nullopt;
    return version;
}

QString CEventSharing::Digest(const QString& folder) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& name : EventFileSet::FileSet(false)) {
        if (name == CDataLocation::FileName(FC_CHECKPOINT))
            continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        hash.addData(name.toUtf8() + '\n' + QByteArray::number(bytes.size()) + '\n');
        hash.addData(bytes);
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool CEventSharing::HasLocalChanges() const
{
    if (m_document.IsModified())
        return true;
    CDataLocation& location = m_document.Location();
    const CIniFile checkpoint(location.GetFilePath(FC_CHECKPOINT));
    // An event never exchanged counts as changed once it holds data of its own.
    if (!checkpoint.HasKey(kSharingSection, kExchangedKey))
        return QFileInfo::exists(location.GetFilePath(FC_WEDDING_DATA));
    return checkpoint.GetInt(kSharingSection, kExchangedKey, -1) != m_document.Checkpoint().GetIndex() ||
           checkpoint.GetString(kSharingSection, kDigestKey) != Digest(location.GetEventFolder());
}

CEventSharing::Result CEventSharing::UploadAfterSave()
{
    return HasLocalChanges() ? UploadEvent() : Result::Declined;
}

CEventSharing::Result CEventSharing::FailUpload(CFtpSession& ftp, const QStringList& temporaries, const QString& file,
                                                const QString& reason)
{
    QStringList removals;
    for (const QString& temporary : temporaries)
        removals << QStringLiteral("*DELE ") + temporary;
    ftp.Run(removals);
    if (IProgressReporter* progress = m_document.Progress())
        progress->End();
    return Tell(kUploadFailedText, kUploadFailedCaption, {file, reason});
}

CEventSharing::Result CEventSharing::UploadEvent()
{
    Result refused = Result::Declined;
    const std::unique_ptr<CFtpSession> session = Open(refused);
    if (!session)
        return refused;
    CFtpSession& ftp = *session;
    int local = m_document.Checkpoint().GetIndex();
    int serverVersion = 0;
    const ServerState state = ReadServerVersion(ftp, serverVersion);
    const QString checkpointName = CDataLocation::FileName(FC_CHECKPOINT);
    if (state == ServerState::Failed)
        return Tell(kUploadFailedText, kUploadFailedCaption, {checkpointName, ftp.LastError()});
    if (state == ServerState::Version && serverVersion > local) {
        IUserMessages* messages = m_document.Messages();
        const QString question = StringTable::Fill(StringTable::Get(59830),
                                                   {QString::number(serverVersion), QString::number(local)});
        if (!messages || messages->MessageByText(question, StringTable::Get(59831), MSG_YES_NO) != MSG_RESULT_YES)
            return Result::Declined;
        local = serverVersion;
    }
    const int version = local + 1;

    CDataLocation& location = m_document.Location();
    struct Upload
    {
        QString remote;
        QByteArray bytes;
    };
    QList<Upload> uploads;
    QStringList absent;
    for (int code = FC_GUESTS; code <= FC_TASKS; ++code) {
        if (code == FC_CHECKPOINT)
            continue;
        QFile file(location.GetFilePath(code));
        if (!file.exists()) {
            absent << RemoteName(code);
            continue;
        }
        if (!file.open(QIODevice::ReadOnly))
            return Tell(kUploadFailedText, kUploadFailedCaption, {CDataLocation::FileName(code), file.errorString()});
        uploads.append({RemoteName(code), file.readAll()});
    }
    // The server's Checkpoint.ini is the local one with the new version, and it is what the local
    // file becomes once the upload is complete.
    QTemporaryDir scratch;
    const QString newCheckpoint = scratch.path() + QLatin1Char('/') + checkpointName;
    {
        CIniFile checkpoint(location.GetFilePath(FC_CHECKPOINT));
        checkpoint.SetInt(kCheckpointSection, kIndexKey, version);
        checkpoint.SetInt(kSharingSection, kExchangedKey, version);
        checkpoint.SetString(kSharingSection, kDigestKey, Digest(location.GetEventFolder()));
        if (!scratch.isValid() || !checkpoint.SaveAs(newCheckpoint))
            return Tell(kUploadFailedText, kUploadFailedCaption, {checkpointName, scratch.errorString()});
    }
    QFile checkpointFile(newCheckpoint);
    if (!checkpointFile.open(QIODevice::ReadOnly))
        return Tell(kUploadFailedText, kUploadFailedCaption, {checkpointName, checkpointFile.errorString()});
    uploads.append({kServerFolder + checkpointName, checkpointFile.readAll()});

    IProgressReporter* progress = m_document.Progress();
    if (progress) {
        progress->Begin(kUploadTitle);
        progress->SetPercent(0);
    }
    // The first upload to a server makes the folder; when it exists this fails and changes nothing.
    ftp.Run({QStringLiteral("*MKD ") + kServerFolder.chopped(1)});
    QStringList temporaries;
    QStringList renames;
    for (const Upload& upload : std::as_const(uploads)) {
        const QString temporary = TemporaryName(upload.remote);
        temporaries << temporary;
        if (!ftp.Put(temporary, upload.bytes))
            return FailUpload(ftp, temporaries, upload.remote.section(QLatin1Char('/'), -1), ftp.LastError());
        renames << QStringLiteral("RNFR ") + temporary << QStringLiteral("RNTO ") + upload.remote;
        if (progress)
            progress->SetPercent(int(temporaries.size() * 100 / (uploads.size() + 1)));
    }
    // Files the event no longer has must not come back with the next download; the version goes
    // last, so another computer sees the new number only with the new files in place.
    for (const QString& remote : std::as_const(absent))
        renames.insert(renames.size() - 2, QStringLiteral("*DELE ") + remote);
    if (!ftp.Run(renames))
        return FailUpload(ftp, temporaries, checkpointName, ftp.LastError());
    if (progress)
        progress->SetPercent(100);

    // The local version follows only now that the server holds the whole new set; when the file
    // cannot take it, the next save writes it.
    const QString localCheckpoint = location.GetFilePath(FC_CHECKPOINT);
    if (AtomicFile::Write(localCheckpoint, uploads.back().bytes))
        m_document.Checkpoint().Load(localCheckpoint);
    else
        m_document.Checkpoint().SetIndex(version);
    if (progress)
        progress->End();
    return Result::Done;
}

CEventSharing::Result CEventSharing::DownloadEvent(bool atStart)
{
    Result refused = Result::Declined;
    const std::unique_ptr<CFtpSession> session = Open(refused);
    if (!session)
        return refused;
    CFtpSession& ftp = *session;
    const QString checkpointName = CDataLocation::FileName(FC_CHECKPOINT);
    int serverVersion = 0;
    switch (ReadServerVersion(ftp, serverVersion)) {
    case ServerState::Empty:
        return Tell(kNoServerDataText, kNoServerDataCaption, {ftp.Server()});
    case ServerState::Failed:
        return Tell(kDownloadFailedText, kDownloadFailedCaption, {checkpointName, ftp.LastError()});
    case ServerState::Version:
        break;
    }
    IUserMessages* messages = m_document.Messages();
    if (!messages)
        return Result::Declined;
    if (serverVersion <= m_document.Checkpoint().GetIndex()) {
        if (messages->MessageById(59828, 59829, MSG_YES_NO) != MSG_RESULT_YES)
            return Result::Declined;
    } else if (HasLocalChanges()) {
        const QString question = StringTable::Fill(kLocalChangesText, {QString::number(serverVersion)});
        if (messages->MessageByText(question, kLocalChangesCaption, MSG_YES_NO) != MSG_RESULT_YES)
            return Result::Declined;
    }

    CDataLocation& location = m_document.Location();
    const QString eventFolder = location.GetEventFolder();
    CEventFolderReplace replace(location.GetDataFolder(), eventFolder);
    QStringList onServer;
    if (!replace.IsReady())
        return Tell(kReplaceFailedText, kDownloadFailedCaption, {});
    if (!ftp.List(kServerFolder, onServer))
        return Tell(kDownloadFailedText, kDownloadFailedCaption, {kServerFolder, ftp.LastError()});

    IProgressReporter* progress = m_document.Progress();
    if (progress) {
        progress->Begin(kDownloadTitle);
        progress->SetPercent(0);
    }
    const QStringList files = EventFileSet::FileSet(false);
    int done = 0;
    for (const QString& name : files) {
        ++done;
        if (!onServer.contains(name))
            continue;
        QByteArray bytes;
        const bool received = ftp.Get(kServerFolder + name, bytes);
        const QString reason = received ? QString() : ftp.LastError();
        if (!received || !AtomicFile::Write(replace.StagingFolder() + QLatin1Char('/') + name, bytes)) {
            if (progress)
                progress->End();
            return Tell(kDownloadFailedText, kDownloadFailedCaption,
                        {name, received ? replace.StagingFolder() : reason});
        }
        if (progress)
            progress->SetPercent(int(done * 100 / files.size()));
    }
    if (progress)
        progress->End();
    if (messages->MessageById(59822, 59823, MSG_YES_NO) != MSG_RESULT_YES)
        return Result::Declined;

    if (!KeepLocalSharing(m_document.Settings(), replace.StagingFolder() + QLatin1Char('/') +
                                                     CDataLocation::FileName(FC_SETTINGS)))
        return Tell(kReplaceFailedText, kDownloadFailedCaption, {});
    CIniFile staged(replace.StagingFolder() + QLatin1Char('/') + checkpointName);
    staged.SetInt(kSharingSection, kExchangedKey, staged.GetInt(kCheckpointSection, kIndexKey, 0));
    staged.SetString(kSharingSection, kDigestKey, Digest(replace.StagingFolder()));
    // The checkpoint keeps what this computer held, so the download can be undone by a restore.
    if (!staged.Save() || CCheckpointStore(location.GetBackupFolder()).TakeSeparate(eventFolder).isEmpty() ||
        !replace.Commit())
        return Tell(kReplaceFailedText, kDownloadFailedCaption, {});
    const QString password = m_document.Settings().GetFtpPassword();
    if (atStart)
        m_document.Settings().Load(location.GetFilePath(FC_SETTINGS));
    else
        m_document.ReloadEvent();
    // A password kept only in memory stays for the rest of the run.
    m_document.Settings().SetFtpPassword(password);
    m_document.Checkpoint().Load(location.GetFilePath(FC_CHECKPOINT));
    return Result::Done;
}
