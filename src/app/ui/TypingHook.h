#pragma once

#include <QObject>
#include <QTimer>

class CMainFrame;

// A test hook of the program (RAVIVAZ_TEST_TYPING): types guests into the real guests view at a
// steady pace, as a user would (the add command, then the name key by key), prints each guest
// once it is typed, and closes the window normally after the last one.
class CTypingHook : public QObject
{
    Q_OBJECT

public:
    CTypingHook(CMainFrame& frame, int count, int intervalMs);

    // "COUNT,INTERVAL_MS"; false when the text is not of that form.
    static bool ParseSetting(const QString& setting, int& count, int& intervalMs);
    // The name of the n-th guest typed, from 1: "Typed0001".
    static QString GuestName(int number);

    void Start();

private:
    void TypeNext();
    void TypeText(const QString& text);

    CMainFrame& m_frame;
    int m_count;
    int m_typed = 0;
    QTimer m_timer;
};
