#include "guests/core/GuestDetailsRules.h"
#include "guests/core/GuestFilter.h"
#include "guests/core/GuestListFilter.h"
#include "guests/core/GuestSearch.h"
#include "guests/core/GuestSort.h"
#include "guests/core/GuestStatistics.h"
#include "guests/core/MultiGuestUpdate.h"

#include "ViewTestEvent.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Guests that no document owns, for the rules that only look at a list.
class CLooseGuests
{
public:
    CGuest* Add(const QString& name, const QString& family = QString())
    {
        m_owned.push_back(std::make_unique<CGuest>(nullptr, nullptr));
        CGuest* guest = m_owned.back().get();
        guest->SetName(name);
        guest->SetFamilyName(family);
        m_list.append(guest);
        return guest;
    }
    const QList<CGuest*>& List() const { return m_list; }

private:
    std::vector<std::unique_ptr<CGuest>> m_owned;
    QList<CGuest*> m_list;
};

// The list's original order: a bubble sort over adjacent rows, one pass per row.
void BubbleSort(QList<CGuest*>& rows, GuestSort::Key key, bool ascending)
{
    for (qsizetype pass = 0; pass < rows.size(); ++pass)
        for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
            const QString a = GuestSort::KeyText(*rows[i], key);
            const QString b = GuestSort::KeyText(*rows[i + 1], key);
            if (ascending ? a > b : a < b)
                std::swap(rows[i], rows[i + 1]);
        }
}

}

TEST(GuestSort, GivesTheOrderOfTheBubbleSortForEveryColumnAndDirection)
{
    CLooseGuests guests;
    QRandomGenerator random(7);
    const QStringList names = {QStringLiteral("דנה"), QStringLiteral("אבי"), QStringLiteral("Dan"), QStringLiteral("דן"),
                               QStringLiteral("רון"), QString(), QStringLiteral("אבי כהן")};
    for (int i = 0; i < 60; ++i) {
        CGuest* guest = guests.Add(names[random.bounded(int(names.size()))], names[random.bounded(int(names.size()))]);
        guest->SetGroupName(names[random.bounded(3)]);
        guest->SetRelation(names[random.bounded(2)]);
        guest->SetStatus(random.bounded(3));
        guest->SetInvitationSent(random.bounded(2));
        guest->SetNotes(QString::number(i));
    }
    for (GuestSort::Key key : {GuestSort::Key::Group, GuestSort::Key::FirstNames, GuestSort::Key::FamilyName,
                               GuestSort::Key::Relation, GuestSort::Key::Status, GuestSort::Key::InvitationSent}) {
        for (bool ascending : {true, false}) {
            QList<CGuest*> expected = guests.List();
            BubbleSort(expected, key, ascending);
            QList<CGuest*> sorted = guests.List();
            GuestSort::Sort(sorted, key, ascending);
            EXPECT_EQ(sorted, expected) << int(key) << ascending;
        }
    }
}

TEST(GuestListFilter, NamesFilterByTheirBeginningAndTheRestExactly)
{
    CLooseGuests guests;
    CGuest* dana = guests.Add(QStringLiteral("Dana"), QStringLiteral("Levi"));
    CGuest* adam = guests.Add(QStringLiteral("Adam Dan"), QStringLiteral("Cohen"));
    CGuest* daniel = guests.Add(QStringLiteral("Daniel"), QStringLiteral("Levinson"));
    dana->SetStatus(1);
    daniel->SetStatus(2);
    adam->SetGroupName(QStringLiteral("army"));

    CGuestListFilter filter;
    EXPECT_TRUE(filter.IsEmpty());
    filter.firstNames = QStringLiteral("Da");
    EXPECT_EQ(filter.Apply(guests.List()), (QList<CGuest*>{dana, daniel}));
    filter.familyName = QStringLiteral("Levin");
    EXPECT_EQ(filter.Apply(guests.List()), (QList<CGuest*>{daniel}));
    filter.Reset();
    filter.status = CGuestListFilter::Unknown;
    EXPECT_EQ(filter.Apply(guests.List()), (QList<CGuest*>{adam}));
    filter.status = CGuestListFilter::Approved;
    EXPECT_EQ(filter.Apply(guests.List()), (QList<CGuest*>{dana}));
    filter.Reset();
    filter.group = QStringLiteral("arm");
    EXPECT_TRUE(filter.Apply(guests.List()).isEmpty());
}

TEST(GuestStatistics, SumsPerRelationAndInTotalWithThePaddedInvitationText)
{
    EXPECT_EQ(CGuestStatistics::InvitationText(9, 20), QStringLiteral("9      [20 מוזמנים]"));
    EXPECT_EQ(CGuestStatistics::InvitationText(10, 0), QStringLiteral("10    [0 מוזמנים]"));
    EXPECT_EQ(CGuestStatistics::InvitationText(99, 1), QStringLiteral("99    [1 מוזמנים]"));
    EXPECT_EQ(CGuestStatistics::InvitationText(100, 3), QStringLiteral("100  [3 מוזמנים]"));

    CLooseGuests guests;
    CGuest* bride = guests.Add(QStringLiteral("a"));
    bride->SetRelation(QStringLiteral("הכלה"));
    bride->SetInvited(4);
    bride->SetComing(3);
    bride->SetStatus(1);
    bride->SetInvitationSent(true);
    bride->SetInvitations(2);
    CGuest* groom = guests.Add(QStringLiteral("b"));
    groom->SetRelation(QStringLiteral("החתן"));
    groom->SetInvited(5);
    groom->SetComing(0);
    groom->SetStatus(2);
    CGuest* other = guests.Add(QStringLiteral("c"));
    other->SetRelation(QStringLiteral("חברים"));
    other->SetInvited(2);
    other->SetComing(2);

    CGuestStatistics statistics;
    statistics.Compute(guests.List());
    EXPECT_EQ(statistics.At(CGuestStatistics::Bride), (CGuestStatistics::Row{3, 4, 0, 2, 3, 3}));
    EXPECT_EQ(statistics.At(CGuestStatistics::Groom), (CGuestStatistics::Row{0, 5, 5, 0, 0, 0}));
    EXPECT_EQ(statistics.At(CGuestStatistics::Shared), CGuestStatistics::Row{});
    EXPECT_EQ(statistics.At(CGuestStatistics::Total), (CGuestStatistics::Row{5, 11, 5, 2, 3, 3}));
}

TEST(GuestSearch, MatchesEitherWayAndWrapsAroundInBothDirections)
{
    CLooseGuests guests;
    guests.Add(QStringLiteral("דנה"));
    guests.Add(QStringLiteral("רון"));
    guests.Add(QStringLiteral("דנה ורון"));
    guests.Add(QString(), QStringLiteral("כהן"));
    const QList<CGuest*>& rows = guests.List();

    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("רון"), -1, true), 1);
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("רון"), 1, true), 2);
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("רון"), 2, true), 1);
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("רון"), 1, false), 2);
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("רון"), -1, false), 2);
    // The text holds the names of row 0.
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("דנה לוי"), 2, true), 0);
    EXPECT_EQ(GuestSearch::Find(rows, QStringLiteral("משה"), 0, true), -1);
    EXPECT_EQ(GuestSearch::Find({}, QStringLiteral("משה"), -1, true), -1);
}

TEST(GuestDetailsRules, TheNameCheckTrimsAndFindsEmptyAndSharedNames)
{
    CLooseGuests guests;
    CGuest* first = guests.Add(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuest* second = guests.Add(QStringLiteral(" דנה "), QStringLiteral("לוי  "));
    using GuestDetailsRules::NameProblem;
    EXPECT_EQ(GuestDetailsRules::CheckName(guests.List(), *second), NameProblem::Duplicate);
    second->SetName(QStringLiteral("רון"));
    EXPECT_EQ(GuestDetailsRules::CheckName(guests.List(), *second), NameProblem::None);
    first->SetName(QStringLiteral("  "));
    first->SetFamilyName(QString());
    EXPECT_EQ(GuestDetailsRules::CheckName(guests.List(), *first), NameProblem::Empty);
    EXPECT_EQ(GuestDetailsRules::NameProblemText(NameProblem::Duplicate), QStringLiteral("שם זה כבר קיים במערכת\r\nאנא בחר/י שם אחר"));
}

TEST(GuestDetailsRules, ComingNeverExceedsInvited)
{
    CGuest guest(nullptr, nullptr);
    guest.SetInvited(5);
    guest.SetComing(2);
    EXPECT_TRUE(GuestDetailsRules::SetComing(guest, 7));
    EXPECT_EQ(guest.GetInvited(), 7);
    EXPECT_TRUE(GuestDetailsRules::SetInvited(guest, 3));
    EXPECT_EQ(guest.GetComing(), 3);
    EXPECT_FALSE(GuestDetailsRules::SetInvited(guest, 3));
}

TEST(GuestDetailsRules, TransportNamesAndCounters)
{
    EXPECT_EQ(GuestDetailsRules::TransportNames(0)[1], QStringLiteral("הסעה צד הכלה"));
    EXPECT_EQ(GuestDetailsRules::TransportNames(0)[2], QStringLiteral("הסעה צד החתן"));
    EXPECT_EQ(GuestDetailsRules::TransportNames(2)[1], QStringLiteral("הסעה מס 1"));
    EXPECT_EQ(GuestDetailsRules::TransportNames(2)[2], QStringLiteral("הסעה מס 2"));
    EXPECT_EQ(GuestDetailsRules::TransportNames(2).size(), 6);

    CLooseGuests guests;
    CGuest* onBus = guests.Add(QStringLiteral("a"));
    onBus->SetTransport(3);
    onBus->SetComing(4);
    CGuest* walking = guests.Add(QStringLiteral("b"));
    walking->SetComing(2);
    EXPECT_EQ(GuestDetailsRules::TransportSum(guests.List(), 3), 4);
    EXPECT_EQ(GuestDetailsRules::TransportWithGuest(guests.List(), *walking, 3), 6);
    EXPECT_EQ(GuestDetailsRules::TransportWithGuest(guests.List(), *onBus, 3), 4);
}

TEST(GuestDetailsRules, TheKidsTooltipTellsKidsAndChair)
{
    EXPECT_TRUE(GuestDetailsRules::KidsTooltip(2, true).startsWith(QStringLiteral("למוזמן זה יש 2 ילדים וגם כסא תינוק<br>")));
    EXPECT_TRUE(GuestDetailsRules::KidsTooltip(3, false).startsWith(QStringLiteral("<al_r>למוזמן זה יש 3 ילדים<br>")));
    EXPECT_TRUE(GuestDetailsRules::KidsTooltip(0, true).contains(QStringLiteral("<hr=100%><br></ct><al_r><b>מוזמן זה צריך כסא תינוק</b>")));
    EXPECT_TRUE(GuestDetailsRules::KidsTooltip(0, false).contains(QStringLiteral("למוזמן זה לא הוקלדו ילדים או כסא לתינוק")));
    EXPECT_TRUE(GuestDetailsRules::KidsTooltip(0, false).endsWith(QStringLiteral("שהינה זולה יותר ממנה רגילה")));
}

TEST(GuestDetailsRules, RestrictionsStayMutual)
{
    CViewTestEvent event;
    CGuest* dana = event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"));
    CGuest* ron = event.AddGuest(QStringLiteral("רון"), QStringLiteral("כהן"));
    CGuest* avi = event.AddGuest(QStringLiteral("אבי"));
    EXPECT_TRUE(GuestDetailsRules::SetRestrictions(event.Doc(), *dana, {QStringLiteral("רון כהן"), QStringLiteral("אבי")}));
    EXPECT_EQ(dana->GetRestrictions(), (QStringList{QStringLiteral("רון כהן"), QStringLiteral("אבי")}));
    EXPECT_EQ(ron->GetRestrictions(), QStringList{QStringLiteral("דנה לוי")});
    EXPECT_EQ(avi->GetRestrictions(), QStringList{QStringLiteral("דנה לוי")});

    EXPECT_TRUE(GuestDetailsRules::SetRestrictions(event.Doc(), *dana, {QStringLiteral("אבי")}));
    EXPECT_TRUE(ron->GetRestrictions().isEmpty());
    EXPECT_EQ(avi->GetRestrictions(), QStringList{QStringLiteral("דנה לוי")});
    EXPECT_FALSE(GuestDetailsRules::SetRestrictions(event.Doc(), *dana, {QStringLiteral("אבי")}));
}

TEST(GuestFilter, EachCriterionOnlyWhenItsFlagIsOn)
{
    CGuest guest(nullptr, nullptr);
    guest.SetRelation(QStringLiteral("הכלה"));
    guest.SetStatus(2);
    guest.SetEmail(QStringLiteral("a@b.c"));
    CGuestFilter filter;
    filter.relation = QStringLiteral("החתן");
    EXPECT_TRUE(filter.Matches(guest));
    filter.useRelation = true;
    EXPECT_FALSE(filter.Matches(guest));
    filter.Clear();
    filter.useStatus = true;
    filter.status = 2;
    filter.useEmail = true;
    filter.hasEmail = true;
    filter.useMobilePhone = true;
    filter.hasMobilePhone = false;
    EXPECT_TRUE(filter.Matches(guest));
    filter.status = 0;
    EXPECT_FALSE(filter.Matches(guest));
}

TEST(MultiGuestUpdate, WritesOnlyTheFieldsSet)
{
    CLooseGuests guests;
    CGuest* a = guests.Add(QStringLiteral("a"));
    CGuest* b = guests.Add(QStringLiteral("b"));
    b->SetGroupName(QStringLiteral("old"));
    CMultiGuestUpdate update;
    update.status = 1;
    update.relation = QStringLiteral("הכלה");
    EXPECT_EQ(update.Apply(guests.List()), 2);
    EXPECT_TRUE(a->IsApproved());
    EXPECT_EQ(b->GetRelation(), QStringLiteral("הכלה"));
    EXPECT_EQ(b->GetGroupName(), QStringLiteral("old"));
    EXPECT_EQ(update.Apply(guests.List()), 0);
}

TEST(MultiGuestUpdate, WritesTheCountsExactlyAsTyped)
{
    CLooseGuests guests;
    CGuest* guest = guests.Add(QStringLiteral("a"));
    guest->SetInvited(5);
    guest->SetComing(4);
    CMultiGuestUpdate invitedOnly;
    invitedOnly.invited = 2;
    EXPECT_EQ(invitedOnly.Apply(guests.List()), 1);
    EXPECT_EQ(guest->GetInvited(), 2);
    EXPECT_EQ(guest->GetComing(), 4);

    CMultiGuestUpdate both;
    both.invited = 2;
    both.coming = 5;
    both.Apply(guests.List());
    EXPECT_EQ(guest->GetInvited(), 2);
    EXPECT_EQ(guest->GetComing(), 5);

    CMultiGuestUpdate comingOnly;
    comingOnly.coming = 1;
    comingOnly.Apply(guests.List());
    EXPECT_EQ(guest->GetInvited(), 2);
    EXPECT_EQ(guest->GetComing(), 1);
}
