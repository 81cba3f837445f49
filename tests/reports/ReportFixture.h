#pragma once

#include "ViewTestEvent.h"

#include "data/records/Expence.h"
#include "data/records/Offer.h"
#include "data/records/Task.h"

#include <QDir>

#include <memory>

// The small event the reports are compared on: two groups, three tables (hall numbers 3, 1, 2; the
// last empty), five guests covering kids, a baby seat, gifts, transports, a multi-line address, a
// guest outside every group and relation, a guest not coming, one not seated and one whose name is
// markup; two expenses, two offers of option 1 and a small task tree.
class CReportFixture : public CViewTestEvent
{
public:
    explicit CReportFixture(UiLanguage language, bool filled = true)
        : CViewTestEvent(language)
    {
        CNewZelDoc& doc = Doc();
        QDir().mkpath(doc.Location().CurrentEventFolder());
        CEventRecords& records = doc.EditRecords();
        qDeleteAll(records.expenses);
        records.expenses.clear();
        qDeleteAll(records.offers);
        records.offers.clear();
        SetRealTables(0);
        doc.Settings().SetKey(QStringLiteral("EventCode"), QStringLiteral("E77"));
        if (!filled)
            return;
        SetRealTables(3);
        doc.Tables().at(1)->SetHallNumber(3);
        doc.Tables().at(2)->SetHallNumber(1);
        doc.Tables().at(3)->SetHallNumber(2);
        doc.Tables().at(2)->SetName(QStringLiteral("חברים & co"));
        AddGroups({QStringLiteral("משפחה"), QStringLiteral("חברים")});

        CGuest* dana = AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 2, 1, QStringLiteral("משפחה"), QStringLiteral("הכלה"), 1);
        dana->SetUniqueId(1001);
        dana->SetKids(1);
        dana->SetNeedKidsChair(true);
        dana->SetGift(QStringLiteral("ספר"));
        dana->SetGiftInfo(QStringLiteral("תודה"));
        dana->SetGiftShekels(500);
        dana->SetTransport(1);
        dana->SetPhone(QStringLiteral("03-5551234"));
        dana->SetAddress(QStringLiteral("הרצל 1\r\nתל אביב"));
        dana->SetInvitationSent(true);

        CGuest* tom = AddGuest(QStringLiteral("<b>Tom & \"Jerry\"</b>"), QStringLiteral("Smith"), 3, 2, QStringLiteral("חברים"),
                               QStringLiteral("החתן"), 0);
        tom->SetUniqueId(1002);
        tom->SetGift(QStringLiteral("<i>vase</i>"));
        tom->SetGiftDollars(100);
        tom->SetTransport(2);
        tom->SetEmail(QStringLiteral("tom@example.com"));
        tom->SetAddress(QStringLiteral("1 Main St.\tApt 2"));

        CGuest* ron = AddGuest(QStringLiteral("רון"), QStringLiteral("כהן"), 0, 1, QStringLiteral("שכנים"), QString(), 2);
        ron->SetUniqueId(1003);
        ron->SetInvited(4);

        CGuest* michal = AddGuest(QStringLiteral("מיכל"), QString(), 1, 0, QStringLiteral("משפחה"), QStringLiteral("משותף"), 0);
        michal->SetUniqueId(1004);
        michal->SetTransport(3);
        michal->SetKids(2);

        CGuest* avi = AddGuest(QStringLiteral("אבי"), QStringLiteral("לוי"), 2, 2, QStringLiteral("משפחה"), QStringLiteral("החתן"), 1);
        avi->SetUniqueId(1005);
        avi->SetGiftShekels(250.4f);

        auto* hall = new CExpence(&doc.Counters());
        hall->SetName(QStringLiteral("אולם"));
        hall->SetShekels(30000);
        hall->SetPaid(CPayment::Paid);
        hall->SetPayer(QStringLiteral("ההורים"));
        hall->SetDate(ShortDate{2026, 5, 3});
        records.expenses.append(hall);
        auto* band = new CExpence(&doc.Counters());
        band->SetName(QStringLiteral("<Band>"));
        band->SetDollars(800);
        band->SetPaid(CPayment::PartlyPaid);
        band->SetInfo(QStringLiteral("מקדמה"));
        records.expenses.append(band);

        auto* catering = new COffer(&doc.Counters());
        catering->SetName(QStringLiteral("קייטרינג & בר"));
        catering->SetShekels(150);
        catering->SetPerGuest(true);
        catering->SetInPlan(0, true);
        records.offers.append(catering);
        auto* dj = new COffer(&doc.Counters());
        dj->SetName(QStringLiteral("DJ"));
        dj->SetShekels(4000);
        dj->SetInPlan(0, true);
        dj->SetInPlan(1, true);
        records.offers.append(dj);

        CTask& root = doc.RootTask();
        root.Clear();
        root.SetName(QStringLiteral("משימות"));
        const auto addTask = [&doc](CTask& parent, const QString& name) {
            auto task = std::make_unique<CTask>(&doc.Counters());
            task->SetName(name);
            return parent.AddChild(std::move(task));
        };
        addTask(root, QStringLiteral("להזמין אולם"))->SetChecked(true);
        addTask(*addTask(root, QStringLiteral("מוזיקה <DJ>")), QStringLiteral("רשימת שירים"));
    }
};
