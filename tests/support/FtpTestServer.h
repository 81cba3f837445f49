#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// An FTP server on 127.0.0.1 and a free port, serving a folder of its own, for one test. It is
// stopped by its process id when the object goes.
class CFtpTestServer
{
public:
    static constexpr const char* kUser = "planner";
    static constexpr const char* kPassword = "s3cret-pass";

    // options: "--read-only", "--drop-store N", "--drop-retrieve N".
    explicit CFtpTestServer(const QStringList& options = {});
    ~CFtpTestServer();

    bool IsRunning() const { return m_port > 0; }
    // "127.0.0.1:port", as the settings hold it.
    QString Address() const;
    // The folder the account logs into.
    QString Root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
