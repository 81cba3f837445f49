#include "approvals/core/ApprovalEdits.h"
#include "approvals/core/SiteApprovals.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

class ApprovalEditsTest : public ::testing::Test
{
protected:
    ApprovalEditsTest()
    {
        m_first = m_event.AddGuest(QStringLiteral("Dan"), QStringLiteral("Levi"), 3);
        m_second = m_event.AddGuest(QStringLiteral("Rina"), QStringLiteral("Cohen"), 2);
        m_third = m_event.AddGuest(QStringLiteral("Avi"), QStringLiteral("Mor"), 4, 0, {}, {}, 1);
        m_approvals.eventFolder = m_event.Doc().Location().CurrentEventFolder();
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, &m_context,
                         [this](QObject*, int hint, CHintObject*) { m_hints.append(hint); });
    }

    CViewTestEvent m_event;
    CGuest* m_first;
    CGuest* m_second;
    CGuest* m_third;
    CSiteApprovals m_approvals;
    QObject m_context;
    QList<int> m_hints;
};

}

TEST_F(ApprovalEditsTest, TheExampleConfirmsOneGuestAndCancelsAnother)
{
    m_approvals.answers = {{m_first->GetUniqueId(), 2}, {m_second->GetUniqueId(), 0}, {99999, 3}};
    CApprovalEdits edits(m_event.Doc());
    const QList<CApprovalEdits::Answer> answers = edits.Differing(m_approvals);
    ASSERT_EQ(answers.size(), 2);
    EXPECT_EQ(answers[0].guest, m_first);
    EXPECT_EQ(answers[0].count, 2);
    EXPECT_EQ(answers[1].guest, m_second);
    EXPECT_EQ(answers[1].count, 0);

    m_event.Doc().SetModified(false);
    m_hints.clear();
    EXPECT_EQ(edits.Apply(answers), 2);
    EXPECT_EQ(m_first->GetStatus(), 1);
    EXPECT_EQ(m_first->GetComing(), 2);
    EXPECT_EQ(m_second->GetStatus(), 2);
    EXPECT_EQ(m_second->GetComing(), 0);
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(m_hints, QList<int>{HINT_REWRITE_ROWS});
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("הנתונים עודכנו בהצלחה"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("הנתונים עודכנו בהצלחה"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, int(MSG_OK));

    // Taken in once, the same answers are not offered again.
    EXPECT_TRUE(edits.Differing(m_approvals).isEmpty());
}

TEST_F(ApprovalEditsTest, AnAnswerTheGuestAlreadyHoldsIsNotShown)
{
    m_approvals.answers = {{m_third->GetUniqueId(), 4}};
    EXPECT_TRUE(CApprovalEdits(m_event.Doc()).Differing(m_approvals).isEmpty());
    m_second->SetStatus(2);
    m_second->SetComing(0);
    m_approvals.answers = {{m_second->GetUniqueId(), 0}};
    EXPECT_TRUE(CApprovalEdits(m_event.Doc()).Differing(m_approvals).isEmpty());
}

TEST_F(ApprovalEditsTest, AnAnswerThatDiffersInCountOrStatusIsShown)
{
    // Phoned in later: approved with 4; the site still says 2.
    m_approvals.answers = {{m_third->GetUniqueId(), 2}};
    ASSERT_EQ(CApprovalEdits(m_event.Doc()).Differing(m_approvals).size(), 1);
    // Not coming by phone, yet the site says 4 will come.
    m_third->SetStatus(2);
    m_third->SetComing(4);
    m_approvals.answers = {{m_third->GetUniqueId(), 4}};
    ASSERT_EQ(CApprovalEdits(m_event.Doc()).Differing(m_approvals).size(), 1);
}

TEST_F(ApprovalEditsTest, NothingChosenChangesNothing)
{
    m_event.Doc().SetModified(false);
    EXPECT_EQ(CApprovalEdits(m_event.Doc()).Apply({}), 0);
    EXPECT_FALSE(m_event.Doc().IsModified());
}

TEST_F(ApprovalEditsTest, AnswersBelongToTheEventAndCodeTheyWereFetchedFor)
{
    m_event.Doc().Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E77"));
    m_approvals.eventCode = QStringLiteral("E77");
    EXPECT_TRUE(m_approvals.IsFor(m_event.Doc()));
    CSiteApprovals other = m_approvals;
    other.eventCode = QStringLiteral("E78");
    EXPECT_FALSE(other.IsFor(m_event.Doc()));
    other = m_approvals;
    other.eventFolder += QStringLiteral("2");
    EXPECT_FALSE(other.IsFor(m_event.Doc()));
}
