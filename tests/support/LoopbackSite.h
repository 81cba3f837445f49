#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The web server of loopback_site.py in a process of its own, serving the files of a fresh folder;
// stopped by its process id when this object goes.
class CLoopbackSite
{
public:
    CLoopbackSite();
    ~CLoopbackSite();

    bool IsRunning() const { return m_port != 0; }
    // http://127.0.0.1:<port>/ followed by path.
    QString Url(const QString& path = QString()) const;
    // Writes a file the server then answers for "/" + path.
    bool Serve(const QString& path, const QByteArray& body);
    // Every request so far, "GET <path> <user agent>".
    QStringList Requests();

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_output;
};
