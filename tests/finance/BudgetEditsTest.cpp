#include "finance/core/BudgetEdits.h"
#include "finance/core/BudgetTotals.h"

#include "data/document/ViewHint.h"
#include "data/records/Category.h"
#include "data/records/Offer.h"
#include "data/records/StringHint.h"

#include "HintLog.h"
#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

const QString kSameCategoryCaption = QStringLiteral("הצעה קיימת מקטגוריה זו!");
const QString kOverCeilingCaption = QStringLiteral("חריגה ממסגרת התקציב");

// An event without the example budget, with one category of caterers and one of bands.
class BudgetEditsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CEventRecords& records = m_event.Doc().EditRecords();
        qDeleteAll(records.offers);
        records.offers.clear();
        qDeleteAll(records.categories);
        records.categories.clear();
        ASSERT_NE(Edits().AddCategory("קיטרינג"), nullptr);
        ASSERT_NE(Edits().AddCategory("להקות"), nullptr);
    }

    CBudgetEdits Edits() { return CBudgetEdits(m_event.Doc()); }
    COffer* Offer(const QString& name, const QString& category, int amount, bool perGuest = false, int ownGuests = 0)
    {
        return Edits().AddOffer({name, category, QString(), amount, perGuest, ownGuests});
    }
    const QList<CScriptedMessages::Shown>& Shown() { return m_event.Messages().ShownMessages(); }

    CViewTestEvent m_event;
};

}

TEST_F(BudgetEditsTest, PerGuestCostsFollowTheInvitedCountsUnlessTheOfferHasItsOwn)
{
    m_event.AddGuest("דנה", "לוי", 2)->SetInvited(120);
    m_event.AddGuest("רון", "כהן", 2)->SetInvited(80);
    ASSERT_EQ(CBudgetTotals::GuestCount(m_event.Doc()), 200);

    COffer* perGuest = Offer("טעם וצבע", "קיטרינג", 150, true);
    ASSERT_NE(perGuest, nullptr);
    EXPECT_EQ(perGuest->GetPrice(CBudgetTotals::GuestCount(m_event.Doc())), 30000);
    perGuest->SetInPlan(0, true);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 30000);

    ASSERT_TRUE(Edits().EditOffer(*perGuest, {"טעם וצבע", "קיטרינג", QString(), 150, true, 400}));
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 60000);
    m_event.AddGuest("גיל", "רז", 2)->SetInvited(50);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 60000);

    // Without its own count again, the new guests count.
    ASSERT_TRUE(Edits().EditOffer(*perGuest, {"טעם וצבע", "קיטרינג", QString(), 150, true, 0}));
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 37500);
    // A fixed price keeps no guest count.
    ASSERT_TRUE(Edits().EditOffer(*perGuest, {"טעם וצבע", "קיטרינג", QString(), 150, false, 400}));
    EXPECT_EQ(perGuest->GetGuestsForOffer(), 0);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 150);
}

TEST_F(BudgetEditsTest, TheLargestOfferTimesManyGuestsDoesNotWrap)
{
    COffer* offer = Offer("ארמון", "קיטרינג", 5000000, true, 500);
    ASSERT_NE(offer, nullptr);
    offer->SetInPlan(1, true);
    Offer("שני", "להקות", CBudgetEdits::kMaxAmount, true, CBudgetEdits::kMaxOwnGuests)->SetInPlan(1, true);
    EXPECT_EQ(offer->GetPrice(0), 2500000000LL);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 1), 2500000000LL + 9999999LL * 99999LL);
}

TEST_F(BudgetEditsTest, OffersOutsideTheDialogsLimitsAreRefused)
{
    EXPECT_EQ(Offer("אפס", "קיטרינג", 0), nullptr);
    EXPECT_EQ(Offer("גדול", "קיטרינג", CBudgetEdits::kMaxAmount + 1), nullptr);
    EXPECT_EQ(Offer("רבים", "קיטרינג", 10, true, CBudgetEdits::kMaxOwnGuests + 1), nullptr);
    EXPECT_EQ(Offer("  ", "קיטרינג", 10), nullptr);
    EXPECT_TRUE(m_event.Doc().Offers().isEmpty());
    COffer* offer = Offer(" טעם ", "קיטרינג", CBudgetEdits::kMaxAmount, true, CBudgetEdits::kMaxOwnGuests);
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(offer->GetName(), "טעם");
    EXPECT_FALSE(Edits().EditOffer(*offer, {"טעם", "קיטרינג", QString(), -5, false, 0}));
    EXPECT_EQ(offer->GetShekels(), CBudgetEdits::kMaxAmount);
}

TEST_F(BudgetEditsTest, MovingASecondCatererAsksAboutTheCategoryThenAboutTheCeiling)
{
    COffer* first = Offer("טעם וצבע", "קיטרינג", 30000);
    COffer* second = Offer("פרי הארץ", "קיטרינג", 25000);
    COffer* band = Offer("הגבעתרון", "להקות", 5000);
    m_event.Doc().SetModified(false);
    CHintLog hints(m_event.Doc());

    ASSERT_TRUE(Edits().MoveIntoOption(*first, 0));
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_FALSE(Edits().MoveIntoOption(*first, 0));

    // No to the category question: nothing more is asked and the offer stays in the pool.
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(Edits().MoveIntoOption(*second, 0));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, "בקטגוריה הזו כבר קיימת ההצעה \"טעם וצבע\"\r\nהאם להעביר גם את ההצעה הזו?");
    EXPECT_EQ(Shown()[0].caption, kSameCategoryCaption);
    EXPECT_EQ(Shown()[0].buttons, MSG_YES_NO);
    EXPECT_FALSE(second->IsInPlan(0));

    // Yes twice: 30000 + 25000 passes the default ceiling of 50000.
    m_event.Messages().Forget();
    m_event.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_YES});
    ASSERT_TRUE(Edits().MoveIntoOption(*second, 0));
    ASSERT_EQ(Shown().size(), 2);
    EXPECT_EQ(Shown()[1].text, "הוצאה זו גורמת לחריגה ממסגרת התקציב (50000)\r\nהאם לכלול אותה בכל זאת?");
    EXPECT_EQ(Shown()[1].caption, kOverCeilingCaption);
    EXPECT_TRUE(first->IsInPlan(0));
    EXPECT_TRUE(second->IsInPlan(0));
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 55000);

    // The other options are apart: the band goes into option 2 without a question.
    m_event.Messages().Forget();
    ASSERT_TRUE(Edits().MoveIntoOption(*band, 2));
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(hints.Entries().size(), 0);
}

TEST_F(BudgetEditsTest, TheCeilingIsPassedOnlyAboveIt)
{
    COffer* hall = Offer("אולם", "קיטרינג", 40000);
    COffer* band = Offer("להקה", "להקות", 10000);
    COffer* extra = Offer("תוספת", "להקות", 10001);
    ASSERT_TRUE(Edits().MoveIntoOption(*hall, 1));
    ASSERT_TRUE(Edits().MoveIntoOption(*band, 0));
    ASSERT_TRUE(Edits().MoveIntoOption(*hall, 0));
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 50000);

    ASSERT_TRUE(Edits().ReturnFromOption(*band, 0));
    m_event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(Edits().MoveIntoOption(*extra, 0));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].caption, kOverCeilingCaption);
}

TEST_F(BudgetEditsTest, TheCeilingTakesDigitsOnlyAndZeroOrEmptyMeansFiftyThousand)
{
    CSettings& settings = m_event.Doc().Settings();
    EXPECT_EQ(CBudgetTotals::Ceiling(settings), 50000);
    CHintLog hints(m_event.Doc());
    // The setting's name is read while the hint is sent: the object lives no longer.
    QStringList settingNames;
    QObject context;
    QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, &context, [&settingNames](QObject*, int hint, CHintObject* object) {
        if (const auto* setting = dynamic_cast<const CStringHint*>(object); setting && hint == HINT_SETTING_CHANGED)
            settingNames.append(setting->GetText());
    });
    m_event.Doc().SetModified(false);

    EXPECT_FALSE(Edits().SetCeiling("12a"));
    EXPECT_FALSE(Edits().SetCeiling("-5"));
    EXPECT_FALSE(Edits().SetCeiling("1 000"));
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_EQ(hints.Entries().size(), 0);

    ASSERT_TRUE(Edits().SetCeiling("080000"));
    EXPECT_EQ(settings.Key("UpperBudgetLimit"), "80000");
    EXPECT_EQ(CBudgetTotals::Ceiling(settings), 80000);
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(hints.Entries().size(), 1);
    EXPECT_EQ(settingNames, QStringList{"UpperBudgetLimit"});
    EXPECT_FALSE(Edits().SetCeiling("80000"));

    ASSERT_TRUE(Edits().SetCeiling("0"));
    EXPECT_EQ(CBudgetTotals::Ceiling(settings), 50000);
    ASSERT_TRUE(Edits().SetCeiling(""));
    EXPECT_EQ(CBudgetTotals::Ceiling(settings), 50000);
    settings.SetKey("UpperBudgetLimit", "-300");
    EXPECT_EQ(CBudgetTotals::Ceiling(settings), 50000);

    // A stored ceiling survives the restart; the options then ask against it.
    ASSERT_TRUE(Edits().SetCeiling("70000"));
    ASSERT_TRUE(m_event.Doc().SaveEvent());
    m_event.Reopen();
    EXPECT_EQ(CBudgetTotals::Ceiling(m_event.Doc().Settings()), 70000);
    COffer* big = Offer("גדול", "קיטרינג", 70000);
    ASSERT_TRUE(CBudgetEdits(m_event.Doc()).MoveIntoOption(*big, 0));
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(BudgetEditsTest, DuplicateCategoryNamesAreRefusedOnAddAndOnRename)
{
    EXPECT_EQ(Edits().AddCategory(" קיטרינג "), nullptr);
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, "כבר קיימת קטגוריה בשם \"קיטרינג\"\r\nאנא בחרו שם אחר");
    EXPECT_EQ(Shown()[0].caption, "קטגוריה קיימת");
    EXPECT_EQ(m_event.Doc().Categories().size(), 2);
    EXPECT_EQ(Edits().AddCategory("   "), nullptr);
    EXPECT_EQ(Shown().size(), 1);

    CCategory* bands = m_event.Doc().Categories().at(1);
    EXPECT_FALSE(Edits().RenameCategory(*bands, "קיטרינג"));
    EXPECT_EQ(Shown().size(), 2);
    EXPECT_EQ(bands->GetName(), "להקות");
    // Its own name again is no change and no refusal.
    EXPECT_FALSE(Edits().RenameCategory(*bands, "להקות"));
    EXPECT_EQ(Shown().size(), 2);
}

TEST_F(BudgetEditsTest, RenamingACategoryCarriesTheNameIntoItsOffersAndTheSave)
{
    COffer* band = Offer("הגבעתרון", "להקות", 5000);
    COffer* caterer = Offer("טעם", "קיטרינג", 100);
    CCategory* bands = m_event.Doc().Categories().at(1);
    ASSERT_TRUE(Edits().RenameCategory(*bands, " להקות ותזמורות "));
    EXPECT_EQ(bands->GetName(), "להקות ותזמורות");
    EXPECT_EQ(band->GetCategory(), "להקות ותזמורות");
    EXPECT_EQ(caterer->GetCategory(), "קיטרינג");
    EXPECT_EQ(CBudgetTotals::CategoryOf(m_event.Doc(), *band), bands);

    ASSERT_TRUE(m_event.Doc().SaveEvent());
    m_event.Reopen();
    ASSERT_EQ(m_event.Doc().Categories().size(), 2);
    EXPECT_EQ(m_event.Doc().Categories().at(1)->GetName(), "להקות ותזמורות");
    EXPECT_EQ(m_event.Doc().Offers().at(0)->GetCategory(), "להקות ותזמורות");
}

TEST_F(BudgetEditsTest, DeletingACategoryAsksAndTakesItsOffersOutOfEveryOption)
{
    COffer* first = Offer("טעם וצבע", "קיטרינג", 100);
    COffer* second = Offer("פרי הארץ", "קיטרינג", 200);
    Offer("הגבעתרון", "להקות", 300)->SetInPlan(0, true);
    first->SetInPlan(0, true);
    first->SetInPlan(1, true);
    second->SetInPlan(2, true);
    CCategory* caterers = m_event.Doc().Categories().at(0);

    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(Edits().DeleteCategory(*caterers));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, "מחיקת הקטגוריה תמחק גם את כל ההצעות המשויכות אליה\r\nהאם למחוק?");
    EXPECT_EQ(Shown()[0].caption, "מחיקת קטגוריה");
    EXPECT_EQ(m_event.Doc().Offers().size(), 3);

    m_event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(Edits().DeleteCategory(*caterers));
    ASSERT_EQ(m_event.Doc().Categories().size(), 1);
    ASSERT_EQ(m_event.Doc().Offers().size(), 1);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 300);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 1), 0);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 2), 0);
}

TEST_F(BudgetEditsTest, DeletingAnOfferAsksAndReturnAllEmptiesOneOption)
{
    COffer* first = Offer("טעם וצבע", "קיטרינג", 100);
    COffer* band = Offer("הגבעתרון", "להקות", 300);
    for (int option : {0, 1}) {
        first->SetInPlan(option, true);
        band->SetInPlan(option, true);
    }
    m_event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(Edits().DeleteOffer(*first));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, "האם למחוק הצעת מחיר זו?");
    EXPECT_EQ(Shown()[0].caption, "מחיקת הצעת מחיר");
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 1), 300);

    m_event.Doc().SetModified(false);
    EXPECT_EQ(Edits().ReturnAll(1), 1);
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_TRUE(CBudgetTotals::OptionOffers(m_event.Doc(), 1).isEmpty());
    EXPECT_EQ(CBudgetTotals::OptionOffers(m_event.Doc(), 0), QList<COffer*>{band});
    EXPECT_EQ(Edits().ReturnAll(1), 0);
    EXPECT_FALSE(Edits().ReturnFromOption(*band, 1));
}

TEST_F(BudgetEditsTest, AnOfferWhoseCategoryIsGoneHasNoCategoryButStillCounts)
{
    COffer* lost = Offer("צלם", "צלמים", 3000);
    lost->SetInPlan(0, true);
    EXPECT_EQ(CBudgetTotals::CategoryOf(m_event.Doc(), *lost), nullptr);
    EXPECT_EQ(CBudgetTotals::OptionTotal(m_event.Doc(), 0), 3000);
}
