#pragma once

class CGuest;
class CNewZelDoc;
class QObject;
class QString;

// The edits the send-SMS dialog makes: numbers moved to the mobile column, the count of messages
// a guest got, and the account and message kept with the event.
class CSmsEdits
{
public:
    explicit CSmsEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // Asks first; moves every phone that is a mobile number to the empty mobile column. Returns
    // how many guests changed.
    int FixNumbers();
    // One more message reached the guest.
    void CountSent(CGuest& guest);
    // The account and message of the settings page, into the event settings.
    void StoreSettings(const QString& user, const QString& password, const QString& from, const QString& message);

private:
    CNewZelDoc& m_document;
    QObject* m_sender;
};
