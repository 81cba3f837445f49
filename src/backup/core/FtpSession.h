#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

typedef void CURL;

// One connection to an FTP server for one upload or download. Paths are relative to the folder the
// account logs into. Transfers are binary, passive mode is tried first, and the control connection
// switches to TLS when the server offers it. The password goes to libcurl only, never into a text
// this class returns.
class CFtpSession
{
public:
    // server is "host" or "host:port".
    CFtpSession(const QString& server, const QString& user, const QString& password);
    ~CFtpSession();
    CFtpSession(const CFtpSession&) = delete;
    CFtpSession& operator=(const CFtpSession&) = delete;

    // Logs in; false with LastError set when the server cannot be reached or refuses the account.
    bool Connect();
    // The file's bytes; false when it could not be read (Missing() tells whether it is absent).
    bool Get(const QString& path, QByteArray& bytes);
    // Writes the file whole; its folder must exist.
    bool Put(const QString& path, const QByteArray& bytes);
    // Runs commands such as "RNFR a" "RNTO b" in order; a command starting with "*" may fail.
    bool Run(const QStringList& commands);
    // The names in a folder.
    bool List(const QString& folder, QStringList& names);

    // Whether the last failure was the file or folder being absent rather than the connection.
    bool Missing() const { return m_missing; }
    // The server and libcurl's reason for the last failure.
    QString LastError() const { return m_lastError; }
    const QString& Server() const { return m_server; }

private:
    bool Perform(const QString& path);
    QByteArray Url(const QString& path) const;

    CURL* m_curl;
    QString m_server;
    QByteArray m_user;
    QByteArray m_password;
    bool m_missing = false;
    QString m_lastError;
    char m_errorBuffer[256];
};
