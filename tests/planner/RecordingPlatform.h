#pragma once

#include "data/document/Platform.h"

#include <QFile>
#include <QStringList>

// Keeps the files the program asks the desktop to open, with what each held at that moment.
class CRecordingPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString&) override { return false; }
    bool OpenFile(const QString& path) override
    {
        opened.append(path);
        QFile file(path);
        contents.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        return opens;
    }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool ComposeMail(const QString&, const QString&, const QStringList&) override { return false; }
    QString ChooseFile(const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }

    bool opens = true;
    QStringList opened;
    QList<QByteArray> contents;
};
