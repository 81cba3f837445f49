// The approvals that the background check finds, and the menu commands of SMS and approvals, in
// the main window.
#include "AppTestSupport.h"

#include "approvals/core/SiteApprovals.h"
#include "approvals/ui/ApprovalFromSiteDlg.h"
#include "controls/CommandIds.h"
#include "data/records/Guest.h"
#include "sms/ui/SendSMSDlg.h"

#include "../controls/support/ModalScript.h"

#include <QTreeWidget>

namespace {

CSiteApprovals ApprovalsOf(CNewZelDoc& document, int count)
{
    CSiteApprovals approvals;
    approvals.eventFolder = document.Location().CurrentEventFolder();
    approvals.eventCode = document.Settings().Key(QStringLiteral("EventCode"));
    approvals.answers.insert(document.Guests().front()->GetUniqueId(), count);
    return approvals;
}

}

TEST(ApprovalsWaiting, TheFrameOpensTheDialogForTheEventShownOnly)
{
    CFrameFixture fixture;
    fixture.Open();
    CGuest* guest = fixture.document->AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), nullptr);
    guest->SetStatus(0);

    CModalScript script;
    int listed = -1;
    script.Then([&](QWidget* window) {
        auto* dialog = qobject_cast<CApprovalFromSiteDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        listed = dialog->ConfirmedList()->topLevelItemCount();
        dialog->reject();
    });
    emit fixture.app->ApprovalsWaiting(ApprovalsOf(*fixture.document, 3));
    EXPECT_EQ(listed, 1);

    // Answers fetched for another event are dropped.
    CSiteApprovals other = ApprovalsOf(*fixture.document, 3);
    other.eventFolder += QStringLiteral("9");
    script.Then([](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
    emit fixture.app->ApprovalsWaiting(other);
    EXPECT_EQ(script.Pending(), 1);
    EXPECT_EQ(guest->GetStatus(), 0);
}

TEST(ApprovalsWaiting, TheMenuMailsTheApprovalDetailsOnlyWithAnEventCode)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    fixture.document->AddGuest(QStringLiteral("רון"), QString(), nullptr)->SetEmail(QStringLiteral("ron@mail.test"));
    fixture.document->Guests().front()->SetStatus(1);
    CGuest* guest = fixture.document->AddGuest(QStringLiteral("דנה"), QString(), nullptr);
    guest->SetEmail(QStringLiteral("dana@mail.test"));
    EXPECT_TRUE(frame.IsCommandEnabled(ID_MAIL_APPROVAL_DETAILS));
    EXPECT_TRUE(frame.IsCommandEnabled(ID_SEND_SMS));

    fixture.document->Settings().SetKey(QStringLiteral("EventCode"), QString());
    fixture.messages.Forget();
    frame.RouteCommand(ID_MAIL_APPROVAL_DETAILS);
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages()[0].caption, QStringLiteral("חסר קוד ארוע"));
    EXPECT_TRUE(fixture.platform.calls.isEmpty());

    fixture.document->Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E7"));
    frame.RouteCommand(ID_MAIL_APPROVAL_DETAILS);
    ASSERT_EQ(fixture.platform.calls.size(), 1);
    EXPECT_TRUE(fixture.platform.calls[0].startsWith(QStringLiteral("url mailto:dana@mail.test?Subject=")));

    guest->SetStatus(1);
    fixture.messages.Forget();
    frame.RouteCommand(ID_MAIL_APPROVAL_DETAILS);
    ASSERT_EQ(fixture.messages.ShownMessages().size(), 1);
    EXPECT_EQ(fixture.messages.ShownMessages()[0].text, QStringLiteral("לא נימצאו מוזמנים העונים לקריטריון"));
}

TEST(ApprovalsWaiting, TheSmsCommandOpensTheSendDialog)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    CModalScript script;
    bool opened = false;
    script.Then([&](QWidget* window) {
        opened = qobject_cast<CSendSMSDlg*>(window) != nullptr;
        qobject_cast<QDialog*>(window)->reject();
    });
    frame.RouteCommand(ID_SEND_SMS);
    EXPECT_TRUE(opened);
}
