#pragma once

#include <QList>
#include <QString>

#include <functional>

class CGuest;
class CNewZelDoc;
class ISmsSender;
class QObject;

// One press of "send": every check and question first, then one message per recipient in order.
// Each message that went out counts for its guest at once, and the event is saved when the run
// ends, however it ends, so no guest is charged twice for a forgotten count.
class CSmsRun
{
public:
    struct Account
    {
        QString user;
        QString password;
        QString from;
    };

    struct Outcome
    {
        int sent = 0;
        bool started = false;  // the checks passed and the user confirmed
        bool allSent = false;
    };

    // sender may be null: the component could not be created.
    CSmsRun(CNewZelDoc& document, ISmsSender* sender, QObject* viewSender = nullptr);

    // Told "sent to" after each message and an empty text at the end.
    void SetStatus(std::function<void(const QString&)> status) { m_status = std::move(status); }
    // Called before each message; the program waits there between messages.
    void SetPause(std::function<void()> pause) { m_pause = std::move(pause); }
    // Told true when the messages start going out and false when they stop.
    void SetBusy(std::function<void(bool)> busy) { m_busy = std::move(busy); }

    Outcome Run(const QList<CGuest*>& recipients, const QString& message, const Account& account);

    // The checks of one message to these recipients, each telling the user what is wrong; false at
    // the first that fails. Every recipient's own text is built and measured.
    bool Check(const QList<CGuest*>& recipients, const QString& message, const Account& account);

    // A message that sends guests to the approval site needs the event's code: without one the
    // user is told so and true comes back.
    static bool RefusedWithoutEventCode(CNewZelDoc& document, const QString& message);

private:
    bool CheckRecipients(const QList<CGuest*>& recipients);
    bool CheckLengths(const QList<CGuest*>& recipients, const QString& message);
    void Plain(const QString& text);

    CNewZelDoc& m_document;
    ISmsSender* m_sender;
    QObject* m_viewSender;
    std::function<void(const QString&)> m_status;
    std::function<void()> m_pause;
    std::function<void(bool)> m_busy;
};
