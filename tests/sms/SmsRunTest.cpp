// One press of "send", through the registered SMS component, against a loopback SMS service.
#include "SmsComponent.h"

#include "sms/core/SmsRun.h"
#include "sms/core/TextoraSender.h"
#include "guests/core/GuestVerification.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

const QString kConfirm = QStringLiteral("הודעת ה-SMS תשלח ל-%1 מוזמנים וחשבונכם יחוייב בהתאם.\r\nהאם לשלוח את הודעות ה-SMS ?");

class SmsRunTest : public ::testing::Test
{
protected:
    SmsRunTest()
    {
        m_dan = m_event.AddGuest(QStringLiteral("דן"), QStringLiteral("לוי"));
        m_dan->SetMobilePhone(QStringLiteral("0541234567"));
        m_rina = m_event.AddGuest(QStringLiteral("רינה"), QStringLiteral("כהן"));
        m_rina->SetMobilePhone(QStringLiteral("0501234567"));
        m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E7"));
        m_event.Doc().SetModified(false);
    }

    QStringList Texts()
    {
        QStringList texts;
        for (const auto& shown : m_event.Messages().ShownMessages())
            texts.append(shown.text);
        return texts;
    }

    // Sends through a sender that must not be reached: every check here stops before any message.
    bool Checks(const QList<CGuest*>& recipients, const QString& message, const CSmsRun::Account& account)
    {
        class CNoSender : public ISmsSender
        {
        public:
            Outcome Send(const QString&, const QString&, const QString&, const QString&, const QString&, QString*) override
            {
                ADD_FAILURE() << "a message went out";
                return Outcome::CallFailed;
            }
        } sender;
        m_event.Messages().Forget();
        return CSmsRun(m_event.Doc(), &sender).Check(recipients, message, account);
    }

    CViewTestEvent m_event;
    CGuest* m_dan;
    CGuest* m_rina;
    const CSmsRun::Account m_account{QStringLiteral("user"), QStringLiteral("pw"), QStringLiteral("0521112222")};
};

}

TEST_F(SmsRunTest, TwoRecipientsInOrderOneRefusedCountsKeptAndSaved)
{
    CSmsComponent component(m_event.Home().Path());
    ASSERT_TRUE(component.IsReady());
    component.Refuse(QStringLiteral("0501234567"));
    CTextoraSender sender;
    ASSERT_TRUE(sender.IsBound());
    CSmsRun run(m_event.Doc(), &sender);
    QStringList statuses;
    run.SetStatus([&](const QString& text) { statuses.append(text); });
    m_event.Messages().Answer({MSG_RESULT_YES});
    const CSmsRun::Outcome outcome =
        run.Run({m_dan, m_rina}, QStringLiteral("שלום <קוד מוזמן>\nאימות <אימות מוזמן>"), m_account);
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.sent, 1);
    EXPECT_FALSE(outcome.allSent);

    // The component's HTTP request leaves out control characters, the line break among them.
    const auto personal = [](const CGuest* guest) {
        return QStringLiteral("שלום %1אימות %2").arg(guest->GetUniqueId()).arg(GuestVerification::Number(guest->GetUniqueId()));
    };
    EXPECT_EQ(component.Messages(), (QStringList{QStringLiteral("0541234567|") + personal(m_dan),
                                                 QStringLiteral("0501234567|") + personal(m_rina)}));
    EXPECT_EQ(Texts(), (QStringList{kConfirm.arg(2), QStringLiteral("ERROR 17: number refused")}));
    EXPECT_EQ(statuses, (QStringList{QStringLiteral("הודעה נשלחה לדן לוי למספר 0541234567"), QString()}));
    EXPECT_EQ(m_dan->GetSmsCount(), 1);
    EXPECT_EQ(m_rina->GetSmsCount(), 0);

    // The count reached the file without another save.
    EXPECT_FALSE(m_event.Doc().IsModified());
    m_event.Reopen();
    ASSERT_EQ(m_event.Doc().Guests().size(), 2);
    EXPECT_EQ(m_event.Doc().Guests()[0]->GetSmsCount(), 1);
    EXPECT_EQ(m_event.Doc().SumSmsCount(), 1);
}

TEST_F(SmsRunTest, EveryMessageSentEndsWithTheSuccessMessage)
{
    CSmsComponent component(m_event.Home().Path());
    ASSERT_TRUE(component.IsReady());
    CTextoraSender sender;
    CSmsRun run(m_event.Doc(), &sender);
    m_event.Messages().Answer({MSG_RESULT_YES, MSG_RESULT_OK});
    EXPECT_EQ(run.Run({m_rina, m_dan}, QStringLiteral("Hello"), m_account).sent, 2);
    EXPECT_EQ(component.Messages(), (QStringList{QStringLiteral("0501234567|Hello"), QStringLiteral("0541234567|Hello")}));
    EXPECT_EQ(Texts(), (QStringList{kConfirm.arg(2), QStringLiteral("ההודעות נשלחו בהצלחה")}));
    EXPECT_EQ(m_event.Messages().ShownMessages()[1].caption, QStringLiteral("ההודעות נשלחו"));
}

TEST_F(SmsRunTest, SayingNoSendsNothing)
{
    CSmsComponent component(m_event.Home().Path());
    ASSERT_TRUE(component.IsReady());
    CTextoraSender sender;
    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(CSmsRun(m_event.Doc(), &sender).Run({m_dan}, QStringLiteral("Hello"), m_account).started);
    EXPECT_TRUE(component.Messages().isEmpty());
    EXPECT_EQ(m_dan->GetSmsCount(), 0);
}

TEST_F(SmsRunTest, WithoutTheRegisteredComponentNothingCanBeSent)
{
    CTextoraSender sender;
    EXPECT_FALSE(sender.IsBound());
    m_event.Messages().Forget();
    EXPECT_FALSE(CSmsRun(m_event.Doc(), nullptr).Check({m_dan}, QStringLiteral("Hello"), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("can not find SMS module")});
}

TEST_F(SmsRunTest, ChecksComeInOrderBeforeAnyMessage)
{
    EXPECT_FALSE(Checks({}, QStringLiteral("Hello"), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("no guest selected")});
    EXPECT_FALSE(Checks({m_dan}, QString(), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("יש למלא את ההודעה שברצונכם לשלוח")});
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("ההודעה ריקה"));

    for (const char* from : {"", "05211122", "052111222233"}) {
        EXPECT_FALSE(Checks({m_dan}, QStringLiteral("Hello"), {m_account.user, m_account.password, QString::fromLatin1(from)}));
        EXPECT_EQ(Texts(), QStringList{QStringLiteral("no from or not correct from number")}) << from;
    }
    for (const char* from : {"052111222", "0521112222", "05211122223"})
        EXPECT_TRUE(Checks({m_dan}, QStringLiteral("Hello"), {m_account.user, m_account.password, QString::fromLatin1(from)}));

    CGuest* noMobile = m_event.AddGuest(QStringLiteral("אבי"));
    EXPECT_FALSE(Checks({m_dan, noMobile}, QStringLiteral("Hello"), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("has guests with no cell number")});
    noMobile->SetMobilePhone(QStringLiteral("0541"));
    EXPECT_FALSE(Checks({m_dan, noMobile}, QStringLiteral("Hello"), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("הטלפון הנייד של המוזמן 'אבי' אינו תקין")});
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("טלפון אינו תקין"));

    EXPECT_FALSE(Checks({m_dan}, QStringLiteral("Hello"), {QString(), m_account.password, m_account.from}));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("שם משתמש או סיסמה ריקים")});
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("שגיאה"));
}

TEST_F(SmsRunTest, LengthsAreMeasuredOnTheTextAsSentForTheStrictestCarrier)
{
    // 050 and 054 together: Hebrew up to 70, Latin up to 126.
    const QList<CGuest*> both = {m_dan, m_rina};
    EXPECT_TRUE(Checks(both, QString(70, QChar(0x05D0)), m_account));
    EXPECT_FALSE(Checks(both, QString(71, QChar(0x05D0)), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("ההודעה העברית ארוכה מידי")});
    EXPECT_TRUE(Checks(both, QString(126, u'a'), m_account));
    EXPECT_FALSE(Checks(both, QString(127, u'a'), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("ההודעה האנגלית ארוכה מידי")});
    EXPECT_TRUE(Checks({m_dan}, QString(160, u'a'), m_account));
    // Mixed text is held to the Hebrew limit.
    EXPECT_FALSE(Checks(both, QString(60, u'a') + QString(11, QChar(0x05D0)), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("ההודעה העברית ארוכה מידי")});
    // A line break goes out as two characters.
    EXPECT_TRUE(Checks(both, QString(34, QChar(0x05D0)) + QStringLiteral("\r\n") + QString(34, QChar(0x05D0)), m_account));
    EXPECT_FALSE(Checks(both, QString(35, QChar(0x05D0)) + u'\n' + QString(34, QChar(0x05D0)), m_account));
}

TEST_F(SmsRunTest, ARefusedRecipientStopsTheRunBeforeAnyoneIsCharged)
{
    CSmsComponent component(m_event.Home().Path());
    ASSERT_TRUE(component.IsReady());
    CTextoraSender sender;
    m_rina->SetMobilePhone(QStringLiteral("0501"));
    m_event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_FALSE(CSmsRun(m_event.Doc(), &sender).Run({m_dan, m_rina}, QStringLiteral("Hello"), m_account).started);
    EXPECT_TRUE(component.Messages().isEmpty());
    EXPECT_EQ(m_dan->GetSmsCount(), 0);
}

TEST_F(SmsRunTest, ApprovalMessagesAreRefusedWithoutAnEventCode)
{
    m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QString());
    EXPECT_FALSE(Checks({m_dan}, QStringLiteral("קוד מוזמן=<קוד מוזמן>"), m_account));
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("הודעה זו מזמינה את המוזמנים לאשר את הגעתם באתר, אבל לארוע עדיין אין "
                                                  "קוד ארוע.\r\nיש להזין את קוד הארוע בפרטי הארוע לפני שליחת ההודעה.")});
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("חסר קוד ארוע"));
    EXPECT_TRUE(Checks({m_dan}, QStringLiteral("שלום"), m_account));
    m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E7"));
    EXPECT_TRUE(Checks({m_dan}, QStringLiteral("קוד מוזמן=<קוד מוזמן>"), m_account));
}
