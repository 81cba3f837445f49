#pragma once

#include "data/settings/GeneralIni.h"
#include "app/ui/CommandBars.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NewZelApp.h"
#include "controls/GenericView.h"
#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/document/UserMessages.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Keeps every call the program makes of the desktop.
class CRecordingPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString& url) override { return Record(QStringLiteral("url ") + url); }
    bool OpenFile(const QString& path) override { return Record(QStringLiteral("file ") + path); }
    bool StartProgram(const QString& program, const QStringList& arguments) override
    {
        return Record((QStringList{QStringLiteral("start"), program} + arguments).join(QLatin1Char(' ')));
    }
    bool ComposeMail(const QString& subject, const QString&, const QStringList&) override
    {
        return Record(QStringLiteral("mail ") + subject);
    }
    QString ChooseFile(const QString&, const QString&) override
    {
        Record(QStringLiteral("choose file"));
        return m_chosenFile;
    }
    QString ChooseFolder(const QString&, const QString&) override { return QString(); }

    void SetChosenFile(const QString& path) { m_chosenFile = path; }
    QStringList calls;

private:
    bool Record(const QString& call)
    {
        calls << call;
        return true;
    }
    QString m_chosenFile;
};

// A page that takes the object commands and keeps what it was sent.
class CRecordingView : public CGenericView
{
public:
    using CGenericView::CGenericView;
    bool HandlesCommand(int command) const override { return command >= 32819 && command <= 32821; }
    void OnCommand(int command) override { received << command; }
    QList<int> received;
};

// A data folder with its document and a main window over it, as the program builds them.
class CFrameFixture
{
public:
    explicit CFrameFixture(UiLanguage language = UiLanguage::Hebrew)
        : m_location(m_dir.filePath(QStringLiteral("Data")))
    {
        Language::Set(language);
        m_generalPath = m_dir.filePath(QStringLiteral("General.ini"));
        document = std::make_unique<CNewZelDoc>(m_location, &messages);
        document->OnNewDocument();
        // With a rate the gifts page does not ask for one when a test passes through it.
        document->Settings().SetDolarToShekel(kRate);
    }

    static constexpr double kRate = 3.5;

    ~CFrameFixture()
    {
        frame.reset();
        app.reset();
        document.reset();
        Language::Set(UiLanguage::Hebrew);
    }

    // Builds the main window; realTime writes REALTIME=1 first (the question is answered Yes).
    CMainFrame& Open(int desktopWidth = 1280, bool realTime = false, bool recordingViews = false)
    {
        frame.reset();
        app.reset();
        if (realTime) {
            CIniFile::WriteProfileString(m_generalPath, QStringLiteral("General"), QStringLiteral("REALTIME"),
                                         QStringLiteral("1"));
            messages.Answer({MSG_RESULT_YES});
        }
        general.Load(m_generalPath);
        app = std::make_unique<CNewZelApp>(general, messages, platform);
        PageFactory factory;
        if (recordingViews)
            factory = [](int, CNewZelDoc& document, QWidget* parent) { return new CRecordingView(document, parent); };
        frame = std::make_unique<CMainFrame>(*document, *app, messages, platform, desktopWidth, factory);
        return *frame;
    }

    // Shows the window and makes it the active one, so that its keys work.
    void Activate()
    {
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QCoreApplication::processEvents();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(frame.get(), Qt::Key(key), modifiers);
    }

    QString DataFolder() const { return m_location.GetDataFolder(); }
    QString GeneralPath() const { return m_generalPath; }
    CDataLocation& Location() { return m_location; }

    CScriptedMessages messages;
    CRecordingPlatform platform;
    CGeneralIni general;
    std::unique_ptr<CNewZelDoc> document;
    std::unique_ptr<CNewZelApp> app;
    std::unique_ptr<CMainFrame> frame;

private:
    QTemporaryDir m_dir;
    CDataLocation m_location;
    QString m_generalPath;
};
