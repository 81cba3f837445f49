#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class CFtpSession;
class CNewZelDoc;

// Sharing the active event with other computers through the "DB" folder of an FTP server. Both
// directions compare the local and the server version (CpIndex of Checkpoint.ini) before anything
// is overwritten. An upload puts every file under a temporary name first and renames them into
// place only when all went through, Checkpoint.ini last; a download gathers the server's files in a
// private staging folder and replaces the event folder all or nothing, after a checkpoint. The
// event remembers, in its Checkpoint.ini, the version it last exchanged and a digest of its files
// then, which tells whether it was changed since.
class CEventSharing
{
public:
    enum class Result { Done, Declined, Failed };

    // editSettings opens the FTP settings dialog and returns true on OK; without it the settings
    // cannot be completed.
    explicit CEventSharing(CNewZelDoc& document, std::function<bool()> editSettings = {});

    // The stored account, completed through the settings dialog when a part is missing.
    bool GetFtpCredentials(QString& server, QString& user, QString& password);
    Result UploadEvent();
    // The upload after a save: only when the event changed since it was last exchanged, so that a
    // save of the backup timer does not raise the version of unchanged data.
    Result UploadAfterSave();
    Result DownloadEvent(bool atStart);

    // Whether the event holds changes the server has not seen: saved since the last exchange, or
    // not yet saved.
    bool HasLocalChanges() const;
    // The version on the server with the stored account, or none when it cannot be read.
    std::optional<int> ServerVersion();

private:
    enum class ServerState { Version, Empty, Failed };

    ServerState ReadServerVersion(CFtpSession& ftp, int& version);
    // The stored account, completed when needed, logged in; null with the reason when the user
    // gave up (Declined) or the server could not be reached or refused (Failed, the user told).
    std::unique_ptr<CFtpSession> Open(Result& refused);
    Result Tell(const QString& text, const QString& caption, const QStringList& args);
    Result FailUpload(CFtpSession& ftp, const QStringList& temporaries, const QString& file, const QString& reason);
    QString Digest(const QString& folder) const;

    CNewZelDoc& m_document;
    std::function<bool()> m_editSettings;
};
