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
    // The same, starting in a folder.
    virtual QString ChooseFileIn(const QString& caption, const QString& folder, const QString& filters)
    {
        (void)folder;
        return ChooseFile(caption, filters);
    }
    // The file the user names to write, proposed as proposedPath (empty when none). A platform
    // without a file chooser names none.
    virtual QString ChooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filters)
    {
        (void)caption;
        (void)proposedPath;
        (void)filters;
        return QString();
    }
    // The folder the user picks (empty when none).
    virtual QString ChooseFolder(const QString& caption, const QString& startFolder) = 0;
};
