#pragma once

#include <QString>
#include <QStringList>

// What the program asks of the desktop: opening addresses and files, starting programs, preparing
// mail and choosing files. The program hands these to the desktop; tests record the calls.
class IPlatform
{
public:
    virtual ~IPlatform() = default;

    // A web address or a "mailto:" link, opened by the desktop's handler for it.
    virtual bool OpenUrl(const QString& url) = 0;
    // A local file, opened by the program the desktop associates with it.
    virtual bool OpenFile(const QString& path) = 0;
    // Starts a program as a new process with an argument list; nothing waits for it.
    virtual bool StartProgram(const QString& program, const QStringList& arguments = {}) = 0;
    // A new message in the desktop's mail program, shown to the user and not sent.
    virtual bool ComposeMail(const QString& subject, const QString& body, const QStringList& attachments) = 0;
    // The file the user picks to open (empty when none), with filters as "Name (*.ext)" lines.
    virtual QString ChooseFile(const QString& caption, const QString& filters) = 0;
    // The folder the user picks (empty when none).
    virtual QString ChooseFolder(const QString& caption, const QString& startFolder) = 0;
};
