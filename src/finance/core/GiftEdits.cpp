#include "finance/core/GiftEdits.h"

#include "finance/core/MoneyText.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"

namespace {

const QString kNoGift = QStringLiteral("למוזמן זה לא הוזנה מתנה");
const QString kNoGiftCaption = QStringLiteral("מוזמן ללא מתנה");
const QString kDeleteQuestion = QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק מתנה זו?");
const QString kDeleteCaption = QStringLiteral("מחיקת מתנה?");

}

CGiftEdits::CGiftEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

bool CGiftEdits::HasGift(const CGuest& guest)
{
    return !guest.GetGift().isEmpty() || !guest.GetGiftInfo().isEmpty() || guest.GetGiftShekels() != 0
           || guest.GetGiftDollars() != 0;
}

bool CGiftEdits::Changed(CGuest& guest, bool changed)
{
    if (!changed)
        return false;
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_GIFT_CHANGED, &guest);
    return true;
}

bool CGiftEdits::Set(CGuest& guest, const QString& description, const QString& comment, int shekels, int dollars)
{
    bool changed = guest.SetGift(description);
    changed = guest.SetGiftInfo(comment) || changed;
    changed = guest.SetGiftShekels(float(shekels)) || changed;
    changed = guest.SetGiftDollars(float(dollars)) || changed;
    return Changed(guest, changed);
}

bool CGiftEdits::SetDescription(CGuest& guest, const QString& description)
{
    return Changed(guest, guest.SetGift(description));
}

bool CGiftEdits::SetComment(CGuest& guest, const QString& comment)
{
    return Changed(guest, guest.SetGiftInfo(comment));
}

bool CGiftEdits::SetShekels(CGuest& guest, const QString& text)
{
    int amount = 0;
    if (!MoneyText::ParseAmount(text, MoneyText::kMaxGift, amount))
        return false;
    Changed(guest, guest.SetGiftShekels(float(amount)));
    return true;
}

bool CGiftEdits::SetDollars(CGuest& guest, const QString& text)
{
    int amount = 0;
    if (!MoneyText::ParseAmount(text, MoneyText::kMaxGift, amount))
        return false;
    Changed(guest, guest.SetGiftDollars(float(amount)));
    return true;
}

bool CGiftEdits::Delete(CGuest& guest)
{
    IUserMessages* messages = m_document.Messages();
    if (!HasGift(guest)) {
        if (messages)
            messages->MessageByText(kNoGift, kNoGiftCaption, MSG_OK);
        return false;
    }
    if (!messages || messages->MessageByText(kDeleteQuestion, kDeleteCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    return Set(guest, QString(), QString(), 0, 0);
}
