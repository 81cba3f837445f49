#include "reports/core/ReportCatalogue.h"

#include "reports/core/ApprovalNotesReport.h"
#include "reports/core/BudgetReport.h"
#include "reports/core/CardReport.h"
#include "reports/core/ExpenseReport.h"
#include "reports/core/GiftReport.h"
#include "reports/core/GuestListReport.h"
#include "reports/core/HandFormReport.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportOptions.h"
#include "reports/core/TableReport.h"
#include "reports/core/TaskReport.h"
#include "reports/core/TransportReport.h"

namespace ReportCatalogue {

const QList<Entry>& Entries()
{
    static const QList<Entry> entries = {
        {Kind::GuestsByFirstName, "guests-first-name", 0, QStringLiteral("לפי שם פרטי"), QStringLiteral("GuestsByPrivateName.html")},
        {Kind::GuestsByFamilyName, "guests-family-name", 0, QStringLiteral("לפי שם משפחה"), QStringLiteral("GuestsByFamilyName.html")},
        {Kind::GuestsByGroup, "guests-group", 0, QStringLiteral("לפי קבוצה"), QStringLiteral("GuestsByGroupName.html")},
        {Kind::GuestsByGroupAlphabetical, "guests-group-abc", -1, QString(), QStringLiteral("GuestsByGroupName.html")},
        {Kind::GuestsView, "guests-view", 0, QStringLiteral("לפי מסך מוזמנים"), QStringLiteral("GuestsByGuestsView.html")},
        {Kind::TablesById, "tables-id", 1, QStringLiteral("לפי מספר סידורי"), QStringLiteral("Tables123.html")},
        {Kind::TablesByHallNumber, "tables-hall", 1, QStringLiteral("לפי מספר באולם"), QStringLiteral("Tables321.html")},
        {Kind::TableCards, "table-cards", 2, QStringLiteral("לסידור שולחנות"), QStringLiteral("PitkaotHtml.html")},
        {Kind::AddressLabels, "address-labels", 2, QStringLiteral("למשלוח הזמנות"), QStringLiteral("AddressHtml.html")},
        {Kind::GiftsByGroup, "gifts-group", 3, QStringLiteral("לפי קבוצות"), QStringLiteral("GiftsGroupHtml.html")},
        {Kind::GiftsByRelation, "gifts-relation", 3, QStringLiteral("לפי שיכות"), QStringLiteral("GiftsHtml.html")},
        {Kind::HandForm, "hand-form", 4, QStringLiteral("רשימת מוזמנים"), QStringLiteral("SimpleHandForm.html")},
        {Kind::Expenses, "expenses", 5, QStringLiteral("דו\"ח הוצאות"), QStringLiteral("Expences.html")},
        {Kind::Transport, "transport", 5, QStringLiteral("דו\"ח הסעות"), QStringLiteral("Trasportation.html")},
        {Kind::Tasks, "tasks", 5, QStringLiteral("רשימת משימות"), QStringLiteral("Tasks.html")},
        {Kind::ApprovalNotes, "approval-notes", 5, QStringLiteral("אישורי הגעה"), QStringLiteral("ApprovalNotes.html")},
        {Kind::Budget1, "budget-1", -1, QString(), QStringLiteral("Budget1.html")},
        {Kind::Budget2, "budget-2", -1, QString(), QStringLiteral("Budget2.html")},
        {Kind::Budget3, "budget-3", -1, QString(), QStringLiteral("Budget3.html")},
    };
    return entries;
}

QStringList Categories()
{
    return {QStringLiteral("דו\"ח מוזמנים"), QStringLiteral("דו\"ח שולחנות"), QStringLiteral("הדפסת מדבקות"),
            QStringLiteral("דוח מתנות"), QStringLiteral("הדפסת טפסים"), QStringLiteral("שונות")};
}

QList<Entry> InCategory(int category)
{
    QList<Entry> entries;
    for (const Entry& entry : Entries())
        if (entry.category == category)
            entries.append(entry);
    return entries;
}

const Entry* Find(const QString& name)
{
    for (const Entry& entry : Entries())
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

const Entry& Get(Kind kind)
{
    for (const Entry& entry : Entries())
        if (entry.kind == kind)
            return entry;
    return Entries().front();
}

bool HasTextForm(Kind kind)
{
    return kind == Kind::TablesById || kind == Kind::TablesByHallNumber;
}

QString Generate(CNewZelDoc& document, Kind kind, const CReportOptions& options)
{
    using GuestListReport::Order;
    const auto tables = [&](TableReport::Order order) {
        return options.text ? TableReport::Text(document, order) : TableReport::Html(document, order);
    };
    switch (kind) {
    case Kind::GuestsByFirstName: return GuestListReport::Html(document, options, Order::FirstName);
    case Kind::GuestsByFamilyName: return GuestListReport::Html(document, options, Order::FamilyName);
    case Kind::GuestsByGroup:
        return GuestListReport::Html(document, options, options.groupAlphabetical ? Order::GroupAlphabetical : Order::Group);
    case Kind::GuestsByGroupAlphabetical: return GuestListReport::Html(document, options, Order::GroupAlphabetical);
    case Kind::GuestsView: return GuestListReport::Html(document, options, Order::GuestsView);
    case Kind::TablesById: return tables(TableReport::Order::ById);
    case Kind::TablesByHallNumber: return tables(TableReport::Order::ByHallNumber);
    case Kind::TableCards:
        return CardReport::Html(document, CardReport::Kind::TableCards, options.PerRow(), options.PerPage(), options.familyFirst, false);
    case Kind::AddressLabels:
        return CardReport::Html(document, CardReport::Kind::AddressLabels, options.PerRow(), options.PerPage(), options.familyFirst,
                                options.envelopes);
    case Kind::GiftsByGroup: return GiftReport::Html(document, GiftReport::By::Group);
    case Kind::GiftsByRelation: return GiftReport::Html(document, GiftReport::By::Relation);
    case Kind::HandForm: return HandFormReport::Html(options.PerPage());
    case Kind::Expenses: return ExpenseReport::Html(document);
    case Kind::Transport: return TransportReport::Html(document);
    case Kind::Tasks: return TaskReport::Html(document);
    case Kind::ApprovalNotes: return ApprovalNotesReport::Html(document);
    case Kind::Budget1: return BudgetReport::Html(document, 1);
    case Kind::Budget2: return BudgetReport::Html(document, 2);
    case Kind::Budget3: return BudgetReport::Html(document, 3);
    }
    return QString();
}

bool Write(CNewZelDoc& document, Kind kind, const CReportOptions& options, const QString& path)
{
    return ReportFile::Write(path, Generate(document, kind, options));
}

}
