#include "guests/core/GroupEdits.h"
#include "guests/core/GuestEdits.h"
#include "guests/core/MultiGuestUpdate.h"

#include "data/document/ViewHint.h"

#include "ViewTestEvent.h"

#include <gtest/gtest.h>

namespace {

struct SentHint
{
    QObject* sender;
    int hint;
    CHintObject* object;
};

class GuestEditsTest : public ::testing::Test
{
protected:
    GuestEditsTest()
    {
        QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, &m_context,
                         [this](QObject* sender, int hint, CHintObject* object) { m_hints.append({sender, hint, object}); });
    }
    QList<int> Numbers() const
    {
        QList<int> numbers;
        for (const SentHint& sent : m_hints)
            numbers.append(sent.hint);
        return numbers;
    }

    CViewTestEvent m_event;
    QObject m_context;
    QObject m_view;
    QList<SentHint> m_hints;
};

}

TEST_F(GuestEditsTest, AddSetsGroupRelationAndStatusBeforeAnyViewHears)
{
    QString groupHeard;
    QObject::connect(&m_event.Doc(), &CNewZelDoc::Hint, &m_context, [&](QObject*, int hint, CHintObject* object) {
        if (hint == HINT_GUEST_ADDED)
            groupHeard = dynamic_cast<CGuest*>(object)->GetGroupName();
    });
    m_event.Doc().SetModified(false);
    CGuest* guest = CGuestEdits(m_event.Doc(), &m_view).Add("Dana", "Levi", "Family", "Bride", 1);
    EXPECT_EQ(groupHeard, QStringLiteral("Family"));
    EXPECT_EQ(guest->GetRelation(), QStringLiteral("Bride"));
    EXPECT_EQ(guest->GetStatus(), 1);
    EXPECT_TRUE(m_event.Doc().IsModified());
    ASSERT_EQ(m_hints.size(), 1);
    EXPECT_EQ(m_hints[0].sender, &m_view);
    EXPECT_EQ(m_event.Doc().Guests().back(), guest);
}

TEST_F(GuestEditsTest, DeleteAsksByNameAndTheOthersForgetTheGuest)
{
    CGuest* dana = m_event.AddGuest("Dana", "Levi");
    CGuest* ron = m_event.AddGuest("Ron", "Cohen");
    m_event.Doc().AddRestriction(*dana, "Ron Cohen");
    m_hints.clear();
    CGuestEdits edits(m_event.Doc(), &m_view);

    m_event.Messages().Answer({MSG_RESULT_NO});
    EXPECT_FALSE(edits.Delete(*ron));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("האם את/ה בטוח/ה שברצונך למחוק את 'Ron' ?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, QStringLiteral("מחיקת מוזמן?"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].buttons, MSG_YES_NO);
    EXPECT_EQ(m_event.Doc().GuestCount(), 2);
    EXPECT_TRUE(m_hints.isEmpty());

    m_event.Doc().SetModified(false);
    m_event.Messages().Answer({MSG_RESULT_YES});
    EXPECT_TRUE(edits.Delete(*ron));
    EXPECT_EQ(m_event.Doc().GuestCount(), 1);
    EXPECT_TRUE(dana->GetRestrictions().isEmpty());
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(Numbers(), QList<int>{HINT_GUEST_DELETED});
    EXPECT_EQ(m_hints[0].sender, &m_view);
}

TEST_F(GuestEditsTest, TheDetailsRulesForStatusAndCounts)
{
    CGuest* guest = m_event.AddGuest("Dana", "Levi", 4);
    guest->SetInvited(5);
    m_hints.clear();
    m_event.Doc().SetModified(false);
    CGuestEdits edits(m_event.Doc(), &m_view);

    EXPECT_TRUE(edits.SetInvited(*guest, 3));
    EXPECT_EQ(guest->GetComing(), 3);
    EXPECT_TRUE(edits.SetComing(*guest, 6));
    EXPECT_EQ(guest->GetInvited(), 6);
    EXPECT_TRUE(edits.SetStatus(*guest, 2));
    EXPECT_EQ(guest->GetComing(), 0);
    EXPECT_TRUE(edits.ToggleApproval(*guest));
    EXPECT_EQ(guest->GetStatus(), 1);
    EXPECT_TRUE(edits.ToggleApproval(*guest));
    EXPECT_EQ(guest->GetStatus(), 0);
    EXPECT_TRUE(m_event.Doc().IsModified());
    EXPECT_EQ(Numbers(), QList<int>(5, HINT_GUEST_CHANGED));

    // Nothing changed: nothing marked, nothing sent.
    m_event.Doc().SetModified(false);
    EXPECT_FALSE(edits.SetStatus(*guest, 0));
    EXPECT_FALSE(edits.Edit(*guest, [](CGuest& g) { return g.SetPhone(QString()); }));
    EXPECT_FALSE(m_event.Doc().IsModified());
    EXPECT_EQ(m_hints.size(), 5);
}

TEST_F(GuestEditsTest, RestrictionsStayMutual)
{
    CGuest* dana = m_event.AddGuest("Dana", "Levi");
    CGuest* ron = m_event.AddGuest("Ron", "Cohen");
    CGuest* avi = m_event.AddGuest("Avi");
    CGuestEdits edits(m_event.Doc());
    EXPECT_TRUE(edits.SetRestrictions(*dana, {"Ron Cohen", "Avi"}));
    EXPECT_EQ(ron->GetRestrictions(), QStringList{"Dana Levi"});
    EXPECT_TRUE(edits.SetRestrictions(*dana, {"Avi"}));
    EXPECT_TRUE(ron->GetRestrictions().isEmpty());
    EXPECT_EQ(avi->GetRestrictions(), QStringList{"Dana Levi"});
}

TEST_F(GuestEditsTest, TheMultiGuestUpdateSendsOneHint)
{
    QList<CGuest*> guests;
    for (int i = 0; i < 300; ++i)
        guests.append(m_event.AddGuest(QStringLiteral("g%1").arg(i)));
    m_hints.clear();
    CMultiGuestUpdate update;
    update.group = QStringLiteral("Friends");
    update.invitationSent = true;
    EXPECT_EQ(CGuestEdits(m_event.Doc(), &m_view).Apply(update, guests), 300);
    EXPECT_EQ(Numbers(), QList<int>{HINT_REWRITE_ROWS});
    EXPECT_EQ(m_hints[0].object, nullptr);
    EXPECT_EQ(guests.back()->GetGroupName(), QStringLiteral("Friends"));
}

TEST_F(GuestEditsTest, RenamingAGroupMovesItsGuestsAlong)
{
    m_event.AddGroups({"Family", "Work"});
    CGuest* inFamily = m_event.AddGuest("Dana", QString(), 2, 0, "Family");
    CGuest* atWork = m_event.AddGuest("Ron", QString(), 2, 0, "Work");
    m_hints.clear();
    CGroupEdits edits(m_event.Doc(), &m_view);
    CGroup* family = m_event.Doc().FindGroupByName("Family");

    EXPECT_FALSE(edits.Rename(*family, "Work"));
    EXPECT_FALSE(edits.Rename(*family, QString()));
    EXPECT_TRUE(m_hints.isEmpty());
    EXPECT_TRUE(edits.Rename(*family, "Relatives"));
    EXPECT_EQ(inFamily->GetGroupName(), QStringLiteral("Relatives"));
    EXPECT_EQ(atWork->GetGroupName(), QStringLiteral("Work"));
    EXPECT_EQ(Numbers(), QList<int>{HINT_GROUPS_RENAMED});

    EXPECT_EQ(edits.Add("Work"), nullptr);
    CGroup* added = edits.Add("Neighbours");
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(edits.MoveGuest(*atWork, *added));
    EXPECT_EQ(atWork->GetGroupName(), QStringLiteral("Neighbours"));
    edits.Swap(*family, *added);
    EXPECT_EQ(family->GetName(), QStringLiteral("Neighbours"));
    EXPECT_EQ(Numbers(), (QList<int>{HINT_GROUPS_RENAMED, HINT_GROUP_ADDED, HINT_GUEST_CHANGED, HINT_GROUPS_CHANGED}));
}
