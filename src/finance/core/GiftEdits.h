#pragma once

#include <QString>

class CGuest;
class CNewZelDoc;
class QObject;

// Every edit of a guest's gift: each marks the event modified and tells the views (hint 16), so the
// gifts page sums again and an open guest details page shows the new gift.
class CGiftEdits
{
public:
    explicit CGiftEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // A description or comment, or an amount other than 0.
    static bool HasGift(const CGuest& guest);

    // The gift dialog's OK.
    bool Set(CGuest& guest, const QString& description, const QString& comment, int shekels, int dollars);
    // The in-place edits. An amount is a whole number from 0 to 999999 (an empty text is 0); false
    // and nothing changes for any other text.
    bool SetDescription(CGuest& guest, const QString& description);
    bool SetComment(CGuest& guest, const QString& comment);
    bool SetShekels(CGuest& guest, const QString& text);
    bool SetDollars(CGuest& guest, const QString& text);
    // Tells the user when there is no gift; else asks, then clears the four fields. The guest stays.
    bool Delete(CGuest& guest);

private:
    bool Changed(CGuest& guest, bool changed);

    CNewZelDoc& m_document;
    QObject* m_sender;
};
