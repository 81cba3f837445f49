#include "finance/core/BudgetEdits.h"

#include "finance/core/BudgetTotals.h"

#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Category.h"
#include "data/records/Offer.h"
#include "data/records/StringHint.h"

namespace {

const QString kNameTakenText = QStringLiteral("כבר קיימת קטגוריה בשם \"%s\"\r\nאנא בחרו שם אחר");
const QString kNameTakenCaption = QStringLiteral("קטגוריה קיימת");
const QString kDeleteCategoryText = QStringLiteral("מחיקת הקטגוריה תמחק גם את כל ההצעות המשויכות אליה\r\nהאם למחוק?");
const QString kDeleteCategoryCaption = QStringLiteral("מחיקת קטגוריה");
const QString kDeleteOfferText = QStringLiteral("האם למחוק הצעת מחיר זו?");
const QString kDeleteOfferCaption = QStringLiteral("מחיקת הצעת מחיר");
const QString kSameCategoryText = QStringLiteral("בקטגוריה הזו כבר קיימת ההצעה \"%s\"\r\nהאם להעביר גם את ההצעה הזו?");
const QString kSameCategoryCaption = QStringLiteral("הצעה קיימת מקטגוריה זו!");
const QString kOverCeilingText = QStringLiteral("הוצאה זו גורמת לחריגה ממסגרת התקציב (%d)\r\nהאם לכלול אותה בכל זאת?");
const QString kOverCeilingCaption = QStringLiteral("חריגה ממסגרת התקציב");

bool IsOption(int option)
{
    return option >= 0 && option < COffer::kPlanCount;
}

}

CBudgetEdits::CBudgetEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

int CBudgetEdits::Ask(const QString& text, const QString& caption, int buttons, const QStringList& args)
{
    return UserQuestion::Ask(m_document.Messages(), text, caption, buttons, args);
}

bool CBudgetEdits::IsNameFree(const QString& name, const CCategory* own)
{
    for (const CCategory* category : m_document.Categories()) {
        if (category != own && category->GetName() == name) {
            Ask(kNameTakenText, kNameTakenCaption, MSG_OK, {name});
            return false;
        }
    }
    return true;
}

CCategory* CBudgetEdits::AddCategory(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || !IsNameFree(trimmed, nullptr))
        return nullptr;
    auto* category = new CCategory(&m_document.Counters());
    category->SetName(trimmed);
    m_document.EditRecords().categories.append(category);
    m_document.SetModified();
    return category;
}

bool CBudgetEdits::RenameCategory(CCategory& category, const QString& name)
{
    const QString trimmed = name.trimmed();
    const QString old = category.GetName();
    if (trimmed.isEmpty() || trimmed == old || !IsNameFree(trimmed, &category))
        return false;
    category.SetName(trimmed);
    for (COffer* offer : m_document.Offers())
        if (offer->GetCategory() == old)
            offer->SetCategory(trimmed);
    m_document.SetModified();
    return true;
}

bool CBudgetEdits::DeleteCategory(CCategory& category)
{
    CEventRecords& records = m_document.EditRecords();
    const qsizetype index = records.categories.indexOf(&category);
    if (index < 0 || Ask(kDeleteCategoryText, kDeleteCategoryCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    const QString name = category.GetName();
    for (qsizetype n = records.offers.size() - 1; n >= 0; --n) {
        if (records.offers[n]->GetCategory() == name)
            delete records.offers.takeAt(n);
    }
    delete records.categories.takeAt(index);
    m_document.SetModified();
    return true;
}

bool CBudgetEdits::AreValid(const OfferValues& values)
{
    return !values.name.trimmed().isEmpty() && values.amount >= 1 && values.amount <= kMaxAmount
           && values.ownGuests >= 0 && values.ownGuests <= kMaxOwnGuests;
}

bool CBudgetEdits::Apply(COffer& offer, const OfferValues& values)
{
    bool changed = offer.SetName(values.name.trimmed());
    changed = offer.SetCategory(values.category) || changed;
    changed = offer.SetNotes(values.comments) || changed;
    changed = offer.SetShekels(values.amount) || changed;
    changed = offer.SetPerGuest(values.perGuest) || changed;
    changed = offer.SetGuestsForOffer(values.perGuest ? values.ownGuests : 0) || changed;
    return changed;
}

COffer* CBudgetEdits::AddOffer(const OfferValues& values)
{
    if (!AreValid(values))
        return nullptr;
    auto* offer = new COffer(&m_document.Counters());
    Apply(*offer, values);
    m_document.EditRecords().offers.append(offer);
    m_document.SetModified();
    return offer;
}

bool CBudgetEdits::EditOffer(COffer& offer, const OfferValues& values)
{
    if (!AreValid(values) || !Apply(offer, values))
        return false;
    m_document.SetModified();
    return true;
}

bool CBudgetEdits::DeleteOffer(COffer& offer)
{
    QList<COffer*>& offers = m_document.EditRecords().offers;
    const qsizetype index = offers.indexOf(&offer);
    if (index < 0 || Ask(kDeleteOfferText, kDeleteOfferCaption, MSG_YES_NO) != MSG_RESULT_YES)
        return false;
    delete offers.takeAt(index);
    m_document.SetModified();
    return true;
}

bool CBudgetEdits::MoveIntoOption(COffer& offer, int option)
{
    if (!IsOption(option) || offer.IsInPlan(option) || !m_document.Offers().contains(&offer))
        return false;
    const QList<COffer*> chosen = CBudgetTotals::OptionOffers(m_document, option);
    for (const COffer* other : chosen) {
        if (other->GetCategory() == offer.GetCategory()) {
            if (Ask(kSameCategoryText, kSameCategoryCaption, MSG_YES_NO, {other->GetName()}) != MSG_RESULT_YES)
                return false;
            break;
        }
    }
    const qint64 ceiling = CBudgetTotals::Ceiling(m_document.Settings());
    const int guests = CBudgetTotals::GuestCount(m_document);
    if (CBudgetTotals::OptionTotal(m_document, option) + offer.GetPrice(guests) > ceiling
        && Ask(kOverCeilingText, kOverCeilingCaption, MSG_YES_NO, {QString::number(ceiling)}) != MSG_RESULT_YES)
        return false;
    offer.SetInPlan(option, true);
    m_document.SetModified();
    return true;
}

bool CBudgetEdits::ReturnFromOption(COffer& offer, int option)
{
    if (!offer.SetInPlan(option, false))
        return false;
    m_document.SetModified();
    return true;
}

int CBudgetEdits::ReturnAll(int option)
{
    int returned = 0;
    for (COffer* offer : m_document.Offers())
        returned += offer->SetInPlan(option, false) ? 1 : 0;
    if (returned > 0)
        m_document.SetModified();
    return returned;
}

bool CBudgetEdits::SetCeiling(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > kCeilingDigits)
        return false;
    for (const QChar c : trimmed)
        if (c < u'0' || c > u'9')
            return false;
    const QString stored = trimmed.isEmpty() ? QString() : QString::number(trimmed.toLongLong());
    CSettings& settings = m_document.Settings();
    if (!settings.SetKey(CBudgetTotals::CeilingKey(), stored))
        return false;
    m_document.SetModified();
    CStringHint hint(CBudgetTotals::CeilingKey());
    m_document.UpdateAllViews(m_sender, HINT_SETTING_CHANGED, &hint);
    return true;
}
