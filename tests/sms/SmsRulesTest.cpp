// The rules of a message: carriers and their limits, numbers, texts and the stored form.
#include "sms/core/SmsCarriers.h"
#include "sms/core/SmsEdits.h"
#include "sms/core/SmsFilter.h"
#include "sms/core/SmsText.h"
#include "guests/core/GuestVerification.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

TEST(SmsCarriersTest, ANumberIsValidWithACarrierPrefixAndTenOrElevenCharacters)
{
    for (const char* valid : {"0541234567", "0521234567", "0501234567", "0571234567", "054-1234567", "05412345678"})
        EXPECT_TRUE(SmsCarriers::IsValidMobile(QString::fromLatin1(valid))) << valid;
    for (const char* invalid : {"0541", "", "054123456", "054123456789", "0531234567", "031234567", "054 123456",
                                "054123456a"})
        EXPECT_FALSE(SmsCarriers::IsValidMobile(QString::fromLatin1(invalid))) << invalid;
}

TEST(SmsCarriersTest, TheLimitFollowsTheCarrierAndWhetherTheTextHasHebrew)
{
    const QString hebrew = QStringLiteral("שלום");
    const QString latin = QStringLiteral("Hello");
    const QString mixed = QStringLiteral("Hello שלום");
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0541234567"), hebrew), 70);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0541234567"), latin), 160);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0521234567"), latin), 160);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0501234567"), hebrew), 126);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0501234567"), latin), 126);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0571234567"), hebrew), 70);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0571234567"), latin), 140);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0571234567"), mixed), 70);
    EXPECT_EQ(SmsCarriers::Limit(QStringLiteral("0311234567"), latin), 0);
    EXPECT_TRUE(SmsCarriers::HasHebrew(mixed));
    EXPECT_TRUE(SmsCarriers::HasLatin(mixed));
    EXPECT_FALSE(SmsCarriers::HasLatin(hebrew));
}

TEST(SmsTextTest, TheStoredMessageKeepsItsLinesOnOneIniLine)
{
    EXPECT_EQ(SmsText::ToStored(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("assssssbssssssc" "ssssssd"));
    EXPECT_EQ(SmsText::FromStored(QStringLiteral("assssssb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(SmsText::AsSent(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
}

TEST(SmsTextTest, PlaceholdersAreFilledEveryTime)
{
    CViewTestEvent event;
    CSettings& settings = event.Doc().Settings();
    settings.SetKey(QStringLiteral("GroumName"), QStringLiteral("דן"));
    settings.SetKey(QStringLiteral("BrideName"), QStringLiteral("רינה"));
    settings.SetKey(QStringLiteral("EventCode"), QStringLiteral("E7"));
    EXPECT_EQ(SmsText::FillEvent(QStringLiteral("<שמות החתן והכלה> <קוד ארוע> <שמות החתן והכלה>"), settings),
              QStringLiteral("דן ורינה E7 דן ורינה"));
    CGuest* guest = event.AddGuest(QStringLiteral("אבי"));
    const QString code = QString::number(guest->GetUniqueId());
    const QString verification = QString::number(GuestVerification::Number(guest->GetUniqueId()));
    EXPECT_EQ(SmsText::Personalise(QStringLiteral("<קוד מוזמן>/<אימות מוזמן>\n<קוד מוזמן>"), *guest),
              code + u'/' + verification + QStringLiteral("\r\n") + code);
}

TEST(SmsTextTest, TheApprovalMessagesAreTheLastTwoAndNeedTheEventCode)
{
    const QString page = QStringLiteral("https://site.test/approve.php");
    const QStringList ready = SmsText::ReadyMessages(page);
    ASSERT_EQ(ready.size(), 6);
    EXPECT_EQ(ready[4], QStringLiteral("אשרו השתתפותכם בחתונתינו באתר https://site.test/approve.php. קוד ארוע=<קוד ארוע> "
                                       "קוד מוזמן=<קוד מוזמן> אימות מוזמן=<אימות מוזמן>"));
    EXPECT_EQ(ready[5], ready[4] + QStringLiteral(". <שמות החתן והכלה>."));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(SmsText::NeedsEventCode(ready[i], page)) << i;
    EXPECT_TRUE(SmsText::NeedsEventCode(ready[4], page));
    EXPECT_TRUE(SmsText::NeedsEventCode(QStringLiteral("go to https://site.test/approve.php"), page));
}

TEST(SmsFilterTest, TheTwoFiltersApplyTogether)
{
    CViewTestEvent event;
    CGuest* sent = event.AddGuest(QStringLiteral("A"));
    sent->SetMobilePhone(QStringLiteral("0541234567"));
    sent->SetSmsCount(2);
    CGuest* orange = event.AddGuest(QStringLiteral("B"));
    orange->SetMobilePhone(QStringLiteral("0549876543"));
    CGuest* bad = event.AddGuest(QStringLiteral("C"));
    bad->SetMobilePhone(QStringLiteral("0541"));
    event.AddGuest(QStringLiteral("D"));
    CGuest* pelephone = event.AddGuest(QStringLiteral("E"));
    pelephone->SetMobilePhone(QStringLiteral("0501234567"));

    auto accepted = [&](CSmsFilter::State state, int carrier) {
        CSmsFilter filter;
        filter.state = state;
        filter.carrier = carrier;
        QStringList names;
        for (const CGuest* guest : event.Doc().Guests())
            if (filter.Accepts(*guest))
                names.append(guest->GetName());
        return names.join(QString());
    };
    EXPECT_EQ(accepted(CSmsFilter::All, -1), QStringLiteral("ABCDE"));
    EXPECT_EQ(accepted(CSmsFilter::NotSentYet, -1), QStringLiteral("BCDE"));
    EXPECT_EQ(accepted(CSmsFilter::NoMobile, -1), QStringLiteral("D"));
    EXPECT_EQ(accepted(CSmsFilter::WithMobile, -1), QStringLiteral("ABCE"));
    EXPECT_EQ(accepted(CSmsFilter::InvalidMobile, -1), QStringLiteral("C"));
    EXPECT_EQ(accepted(CSmsFilter::All, 0), QStringLiteral("ABC"));
    EXPECT_EQ(accepted(CSmsFilter::NotSentYet, 0), QStringLiteral("BC"));
    EXPECT_EQ(accepted(CSmsFilter::All, 2), QStringLiteral("E"));
    EXPECT_EQ(CSmsFilter::CarrierTexts(), (QStringList{QStringLiteral("כל החברות הסלולריות"), QStringLiteral("אורנג"),
                                                       QStringLiteral("סלקום"), QStringLiteral("פלאפון"),
                                                       QStringLiteral("מירס")}));
}

TEST(SmsEditsTest, FixNumbersMovesMobileNumbersOutOfThePhoneColumnAfterAsking)
{
    CViewTestEvent event;
    CGuest* mobileInPhone = event.AddGuest(QStringLiteral("A"));
    mobileInPhone->SetPhone(QStringLiteral("0541234567"));
    CGuest* landLine = event.AddGuest(QStringLiteral("B"));
    landLine->SetPhone(QStringLiteral("031234567"));
    CGuest* both = event.AddGuest(QStringLiteral("C"));
    both->SetPhone(QStringLiteral("0521111111"));
    both->SetMobilePhone(QStringLiteral("0502222222"));
    event.Doc().SetModified(false);

    event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_EQ(CSmsEdits(event.Doc()).FixNumbers(), 0);
    EXPECT_EQ(mobileInPhone->GetPhone(), QStringLiteral("0541234567"));
    EXPECT_FALSE(event.Doc().IsModified());

    QList<int> hints;
    QObject context;
    QObject::connect(&event.Doc(), &CNewZelDoc::Hint, &context, [&](QObject*, int hint, CHintObject*) { hints.append(hint); });
    event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_EQ(CSmsEdits(event.Doc()).FixNumbers(), 1);
    EXPECT_EQ(mobileInPhone->GetMobilePhone(), QStringLiteral("0541234567"));
    EXPECT_TRUE(mobileInPhone->GetPhone().isEmpty());
    EXPECT_EQ(landLine->GetPhone(), QStringLiteral("031234567"));
    EXPECT_TRUE(landLine->GetMobilePhone().isEmpty());
    EXPECT_EQ(both->GetPhone(), QStringLiteral("0521111111"));
    EXPECT_TRUE(event.Doc().IsModified());
    EXPECT_EQ(hints, QList<int>{HINT_REWRITE_ROWS});
    ASSERT_EQ(event.Messages().ShownMessages().size(), 2);
    EXPECT_EQ(event.Messages().ShownMessages()[1].text,
              QStringLiteral("לחיצה על כפתור זה תעביר מספרים סלולרים מעמודת הטלפון\r\nלעמודת הטלפון הנייד בכדי שיתאפשר "
                             "לשלוח להם SMS.\r\nהאם להמשיך?"));
    EXPECT_EQ(event.Messages().ShownMessages()[1].caption, QStringLiteral("החלפת טלפון בנייד"));
}

TEST(SmsEditsTest, TheStoredMessageReadsBackWithItsLineBreaks)
{
    CViewTestEvent event;
    CSmsEdits(event.Doc()).StoreSettings(QStringLiteral("user"), QStringLiteral("pw"), QStringLiteral("0541234567"),
                                         QStringLiteral("שורה\nשנייה"));
    EXPECT_TRUE(event.Doc().IsModified());
    ASSERT_TRUE(event.Doc().SaveEvent());
    const QByteArray file = TestFiles::Read(event.Doc().Location().GetEventFolder() + QStringLiteral("/Settings.ini"));
    EXPECT_TRUE(file.contains(TestFiles::Cp1255(QStringLiteral("SmsMessage=שורהssssssשנייה\r\n")))) << file.constData();
    EXPECT_TRUE(file.contains("SmsUserName=user\r\n"));
    event.Reopen();
    EXPECT_EQ(SmsText::FromStored(event.Doc().Settings().Key(QStringLiteral("SmsMessage"))),
              QStringLiteral("שורה\r\nשנייה"));
}
