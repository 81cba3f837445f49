#pragma once

#include "data/document/Platform.h"

class QWidget;

// The desktop's services: links and files through the desktop's handlers, programs as detached
// processes with argument lists, mail through xdg-email and the standard file choosers.
class CDesktopPlatform : public IPlatform
{
public:
    explicit CDesktopPlatform(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    bool OpenUrl(const QString& url) override;
    bool OpenFile(const QString& path) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool ComposeMail(const QString& subject, const QString& body, const QStringList& attachments) override;
    QString ChooseFile(const QString& caption, const QString& filters) override;
    QString ChooseFileIn(const QString& caption, const QString& folder, const QString& filters) override;
    QString ChooseSaveFile(const QString& caption, const QString& proposedPath, const QString& filters) override;
    QString ChooseFolder(const QString& caption, const QString& startFolder) override;

private:
    QWidget* m_parent;
};
