#include "approvals/core/ApprovalMail.h"
#include "approvals/core/ApprovalsSite.h"
#include "guests/core/GuestVerification.h"

#include "ViewTestEvent.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

TEST(ApprovalMailTest, EveryPartIsPercentEncodedSoNoCharacterAddsAField)
{
    CViewTestEvent event;
    CNewZelDoc& doc = event.Doc();
    doc.AppSettings().SetKey(ApprovalsSite::kSettingKey, QStringLiteral("http://site.test/he"));
    doc.Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E&7"));
    doc.Settings().SetEveName(QStringLiteral("Dan & Rina?#"));
    CGuest* guest = event.AddGuest(QStringLiteral("Avi"), QStringLiteral("Mor"));
    guest->SetEmail(QStringLiteral("avi&x?cc=y#z@mail.test"));
    const QString id = QString::number(guest->GetUniqueId());
    const QString verification = QString::number(GuestVerification::Number(guest->GetUniqueId()));

    const QString link = ApprovalMail::GuestLink(doc, *guest);
    EXPECT_TRUE(link.startsWith(QStringLiteral("mailto:avi%26x%3Fcc%3Dy%23z@mail.test?Subject=")));
    EXPECT_EQ(link.count(u'?'), 1);
    EXPECT_EQ(link.count(u'&'), 1);
    EXPECT_EQ(link.count(u'#'), 0);

    const QUrlQuery query(link.mid(link.indexOf(u'?') + 1));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded),
              QStringLiteral(" Dan & Rina?# - אנא אשרו הגעתכם לארוע "));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded),
              QStringLiteral("http://site.test/he/approve.php?event=E%267&gid=") + id + QStringLiteral("&aid=") +
                  verification + QStringLiteral("\r\n:קוד ארוע E&7\r\n:קוד מוזמן ") + id +
                  QStringLiteral("\r\n:אימות מוזמן ") + verification);
}

TEST(ApprovalMailTest, TheEnglishMailNamesThePageAndBothCodes)
{
    CViewTestEvent event(UiLanguage::English);
    CNewZelDoc& doc = event.Doc();
    doc.Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E7"));
    CGuest* guest = event.AddGuest(QStringLiteral("Avi"), QStringLiteral("Mor"));
    guest->SetEmail(QStringLiteral("avi@mail.test"));
    EXPECT_EQ(ApprovalMail::GuestLink(doc, *guest),
              QStringLiteral("mailto:avi@mail.test?Subject=%20Please%20approve%20your%20attendance%20in%20our%20event%20"
                             "&Body=https%3A%2F%2Fravivaz.example.com%2Fen%2Fapprove.html%0D%0AEvent%20Code%3A%20E7"
                             "%0D%0AGuest%20Code%3A%20") +
                  QString::number(guest->GetUniqueId()));
}

TEST(ApprovalMailTest, OnlyGuestsWhoHaveNotAnsweredAndHaveAnAddressAreMailed)
{
    CViewTestEvent event;
    CGuest* unknown = event.AddGuest(QStringLiteral("A"));
    unknown->SetEmail(QStringLiteral("a@x.test"));
    event.AddGuest(QStringLiteral("B"), {}, 2, 0, {}, {}, 1)->SetEmail(QStringLiteral("b@x.test"));
    event.AddGuest(QStringLiteral("C"), {}, 2, 0, {}, {}, 2)->SetEmail(QStringLiteral("c@x.test"));
    event.AddGuest(QStringLiteral("D"));
    EXPECT_EQ(ApprovalMail::Unconfirmed(event.Doc()), QList<const CGuest*>{unknown});
    EXPECT_TRUE(ApprovalMail::GuestLink(event.Doc(), *event.Doc().Guests().back()).isEmpty());
}
