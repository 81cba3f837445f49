// The approvals dialog, driven with real keys and mouse clicks offscreen.
#include "approvals/ui/ApprovalFromSiteDlg.h"

#include "approvals/core/ApprovalsFetch.h"
#include "approvals/core/SiteApprovals.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"
#include "support/LoopbackSite.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <thread>

namespace {

QPushButton* Button(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

class ApprovalFromSiteDlgTest : public ::testing::Test
{
protected:
    ApprovalFromSiteDlgTest()
    {
        m_dan = m_event.AddGuest(QStringLiteral("דן"), QStringLiteral("לוי"), 3);
        m_rina = m_event.AddGuest(QStringLiteral("רינה"), QStringLiteral("כהן"), 2);
        m_avi = m_event.AddGuest(QStringLiteral("אבי"), QStringLiteral("מור"), 4, 0, {}, {}, 1);
        m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E77"));
        m_approvals.eventFolder = m_event.Doc().Location().CurrentEventFolder();
        m_approvals.eventCode = QStringLiteral("E77");
        m_approvals.answers = {{m_dan->GetUniqueId(), 2}, {m_rina->GetUniqueId(), 0}, {m_avi->GetUniqueId(), 5}};
    }

    CViewTestEvent m_event;
    CGuest* m_dan;
    CGuest* m_rina;
    CGuest* m_avi;
    CSiteApprovals m_approvals;
};

}

TEST_F(ApprovalFromSiteDlgTest, ListsConfirmedAndCancelledAndTakesInOnlyTheTickedAnswers)
{
    CApprovalFromSiteDlg dialog(m_event.Doc(), CApprovalEdits(m_event.Doc()).Differing(m_approvals));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("מוזמנים שאישרו הגעתם באתר"));
    QTreeWidget* confirmed = dialog.ConfirmedList();
    QTreeWidget* cancelled = dialog.CancelledList();
    ASSERT_EQ(confirmed->topLevelItemCount(), 2);
    ASSERT_EQ(cancelled->topLevelItemCount(), 1);
    EXPECT_EQ(confirmed->topLevelItem(0)->text(0), QStringLiteral("דן לוי"));
    EXPECT_EQ(confirmed->topLevelItem(0)->text(1), QStringLiteral("2"));
    EXPECT_EQ(confirmed->topLevelItem(1)->text(0), QStringLiteral("אבי מור"));
    EXPECT_EQ(cancelled->topLevelItem(0)->text(0), QStringLiteral("רינה כהן"));
    EXPECT_EQ(cancelled->topLevelItem(0)->text(1), QStringLiteral("0"));

    // Avi phoned in 4 later: the user keeps that and unticks the site's older answer.
    confirmed->setFocus();
    QTest::mouseClick(confirmed->viewport(), Qt::LeftButton, {},
                      confirmed->visualItemRect(confirmed->topLevelItem(1)).center());
    QTest::keyClick(confirmed, Qt::Key_Space);
    EXPECT_EQ(confirmed->topLevelItem(1)->checkState(0), Qt::Unchecked);

    QTest::mouseClick(Button(dialog, QStringLiteral("עדכן רשימות המוזמנים")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dan->GetStatus(), 1);
    EXPECT_EQ(m_dan->GetComing(), 2);
    EXPECT_EQ(m_rina->GetStatus(), 2);
    EXPECT_EQ(m_rina->GetComing(), 0);
    EXPECT_EQ(m_avi->GetComing(), 4);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("הנתונים עודכנו בהצלחה"));
}

TEST_F(ApprovalFromSiteDlgTest, CloseChangesNothing)
{
    CApprovalFromSiteDlg dialog(m_event.Doc(), CApprovalEdits(m_event.Doc()).Differing(m_approvals));
    dialog.show();
    QTest::mouseClick(Button(dialog, QStringLiteral("סגור")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_dan->GetStatus(), 0);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
}

TEST_F(ApprovalFromSiteDlgTest, OpensOnlyForDifferingAnswersOfTheEventShown)
{
    CModalScript script;
    int opened = 0;
    script.Then([&](QWidget* window) {
        auto* dialog = qobject_cast<CApprovalFromSiteDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        ++opened;
        EXPECT_EQ(dialog->ConfirmedList()->topLevelItemCount(), 2);
        QTest::mouseClick(Button(*dialog, QStringLiteral("עדכן רשימות המוזמנים")), Qt::LeftButton);
    });
    CApprovalFromSiteDlg::ShowIfDiffering(m_event.Doc(), m_approvals, nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(script.Pending(), 0);

    // Everything is taken in now: the same answers open nothing.
    script.Then([&](QWidget*) { ++opened; });
    CApprovalFromSiteDlg::ShowIfDiffering(m_event.Doc(), m_approvals, nullptr);
    EXPECT_EQ(opened, 1);
}

TEST_F(ApprovalFromSiteDlgTest, AnswersThatArriveAfterASwitchOfEventAreDropped)
{
    CLoopbackSite site;
    ASSERT_TRUE(site.IsRunning());
    site.Serve(QStringLiteral("approve-me/E77/approval.txt"),
               QStringLiteral("%1=2<br>\n%2=0<br>\n").arg(m_dan->GetUniqueId()).arg(m_rina->GetUniqueId()).toLatin1());
    // The check works on a thread of its own with the event it was given; meanwhile the user
    // moves to another event, which holds guests of the same codes.
    const QString folder = m_event.Doc().Location().CurrentEventFolder();
    const int danCode = m_dan->GetUniqueId();
    CApprovalsFetch::Result result;
    std::thread check([&] { result = CApprovalsFetch::Fetch(site.Url(), folder, QStringLiteral("E77")); });
    m_event.Doc().UseEventFolder(m_event.Doc().Location().EventFolder(1));
    m_event.Doc().LoadEvent();
    m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E77"));
    CGuest* stranger = m_event.AddGuest(QStringLiteral("זר"));
    stranger->SetUniqueId(danCode);
    check.join();
    ASSERT_EQ(result.status, CApprovalsFetch::Status::Ok);

    CModalScript script;
    script.Then([](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
    CApprovalFromSiteDlg::ShowIfDiffering(m_event.Doc(), result.approvals, nullptr);
    EXPECT_EQ(script.Pending(), 1);
    EXPECT_EQ(stranger->GetStatus(), 0);
}
