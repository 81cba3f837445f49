#pragma once

#include <QStringList>

class CCategory;
class CNewZelDoc;
class COffer;
class QObject;

// Every edit of the budget planner: categories, offers, the three options and the ceiling. Each
// asks its questions through the document's message interface and marks the event modified. The
// budget view is the only page that shows these records and redraws itself after each edit; a new
// ceiling is announced as a changed setting (hint 18).
class CBudgetEdits
{
public:
    static constexpr int kMaxAmount = 9999999;
    static constexpr int kMaxOwnGuests = 99999;
    // Digits of the longest ceiling the field takes.
    static constexpr int kCeilingDigits = 12;

    // What the offer dialog gives back.
    struct OfferValues
    {
        QString name;
        QString category;
        QString comments;
        int amount = 0;
        bool perGuest = false;
        // 0: the current number of guests.
        int ownGuests = 0;
    };

    explicit CBudgetEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // The name is trimmed; an empty one adds nothing, one that a category has already is refused
    // and the user told.
    CCategory* AddCategory(const QString& name);
    // Carries the new name into the offers filed under the old one; refused like AddCategory.
    bool RenameCategory(CCategory& category, const QString& name);
    // Asks first; the offers filed under the category go with it, out of every option.
    bool DeleteCategory(CCategory& category);

    // Null, or false, when the values are outside the dialog's limits.
    COffer* AddOffer(const OfferValues& values);
    bool EditOffer(COffer& offer, const OfferValues& values);
    // Asks first.
    bool DeleteOffer(COffer& offer);
    static bool AreValid(const OfferValues& values);

    // Puts the offer into option 0 to 2, asking first when the option holds an offer of the same
    // category and when the option's total would pass the ceiling. False when the offer is in the
    // option already or a question was answered No.
    bool MoveIntoOption(COffer& offer, int option);
    bool ReturnFromOption(COffer& offer, int option);
    // Returns how many offers left the option.
    int ReturnAll(int option);

    // Digits only; empty, 0 or less stand for the default ceiling. False, with nothing changed,
    // for any other text or a value equal to the stored one.
    bool SetCeiling(const QString& text);

private:
    int Ask(const QString& text, const QString& caption, int buttons, const QStringList& args = {});
    // True when no category but the one given is named so; else the user is told.
    bool IsNameFree(const QString& name, const CCategory* own);
    static bool Apply(COffer& offer, const OfferValues& values);

    CNewZelDoc& m_document;
    QObject* m_sender;
};
