#include "cli/EventCommands.h"

#include "cli/CliOptions.h"
#include "cli/ConsoleMessages.h"
#include "cli/FolderSession.h"
#include "data/storage/DataFolderLock.h"
#include "data/storage/DataLocation.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"
#include "finance/core/BudgetTotals.h"
#include "finance/core/ExpenseTotals.h"
#include "finance/core/GiftTotals.h"
#include "finance/core/MoneyText.h"
#include "planner/core/MeetingCalendar.h"
#include "seating/core/AutoSeating.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

bool TakeFolder(QStringList words, const char* command, QString& folder, QTextStream& err)
{
    words.removeAll(QStringLiteral("--json"));
    if (words.size() != 1) {
        err << "ravivaz-cli " << command << ": give one event folder\n";
        return false;
    }
    folder = words.front();
    if (!QFileInfo(folder).isDir()) {
        err << "ravivaz-cli " << command << ": \"" << folder << "\" is not a folder\n";
        return false;
    }
    return true;
}

using Values = QList<QPair<QString, QJsonValue>>;

void PrintValues(const Values& values, bool json, QTextStream& out)
{
    if (json) {
        QJsonObject object;
        for (const auto& [key, value] : values)
            object.insert(key, value);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return;
    }
    for (const auto& [key, value] : values) {
        out << key << ": ";
        if (value.isBool())
            out << (value.toBool() ? "yes" : "no");
        else if (value.isArray())
            out << value.toVariant().toStringList().join(QStringLiteral(", "));
        else if (value.isString())
            out << value.toString();
        else
            out << QString::number(value.toInteger());
        out << '\n';
    }
}

bool SaveSession(CFolderSession& session, const char* command, const QString& folder, QTextStream& err)
{
    if (session.Document().SaveEvent())
        return true;
    err << "ravivaz-cli " << command << ": the event in \"" << folder << "\" was not saved\n";
    return false;
}

QJsonObject TableObject(const CTable& table, qint64 people, const QStringList& guests)
{
    return {{QStringLiteral("id"), table.GetId()},         {QStringLiteral("name"), table.GetName()},
            {QStringLiteral("hall"), table.GetHallNumber()}, {QStringLiteral("seats"), table.GetSeats()},
            {QStringLiteral("people"), people},             {QStringLiteral("guests"), QJsonArray::fromStringList(guests)}};
}

// Every table in number order with the people coming there and its guests' full names.
void PrintTables(const CNewZelDoc& doc, const CAutoSeating::GroupTable& made, bool printMade, bool json,
                 QTextStream& out)
{
    const QList<CTable*>& tables = doc.Tables();
    QList<qint64> people(tables.size(), 0);
    QList<QStringList> guests(tables.size());
    for (const CGuest* guest : doc.Guests()) {
        const int table = guest->GetTableIndex();
        if (table < 0 || table >= tables.size())
            continue;
        people[table] += guest->GetComing();
        guests[table].append(guest->GetFullName());
    }
    if (json) {
        QJsonArray list;
        for (const CTable* table : tables)
            list.append(TableObject(*table, people[table->GetId()], guests[table->GetId()]));
        if (!printMade) {
            out << QJsonDocument(list).toJson(QJsonDocument::Indented);
            return;
        }
        const QJsonObject result = {{QStringLiteral("made"), made.table->GetId()},
                                    {QStringLiteral("result"), made.guests},
                                    {QStringLiteral("tables"), list}};
        out << QJsonDocument(result).toJson(QJsonDocument::Indented);
        return;
    }
    for (const CTable* table : tables) {
        const int id = table->GetId();
        out << id << '\t' << table->GetName() << '\t' << table->GetHallNumber() << '\t' << table->GetSeats() << '\t'
            << people[id] << '\t' << guests[id].join(QStringLiteral(" | ")) << '\n';
    }
    if (printMade)
        out << "made\t" << made.table->GetId() << '\t' << made.table->GetName() << "\nresult\t" << made.guests << '\n';
}

}

int RunInfo(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QString folder;
    if (!TakeFolder(options.Arguments(), "info", folder, err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& doc = session.Document();
    const Values values = {
        {QStringLiteral("guests"), doc.GuestCount()},
        {QStringLiteral("groups"), int(doc.Groups().size())},
        {QStringLiteral("tables"), int(doc.Tables().size())},
        {QStringLiteral("expenses"), int(doc.Expenses().size())},
        {QStringLiteral("categories"), int(doc.Categories().size())},
        {QStringLiteral("offers"), int(doc.Offers().size())},
        {QStringLiteral("meetings"), int(doc.Meetings().size())},
        {QStringLiteral("shapes"), int(doc.Shapes().size())},
        {QStringLiteral("invited"), doc.SumInvited()},
        {QStringLiteral("coming"), doc.SumComing()},
        {QStringLiteral("modified"), doc.IsModified()},
    };
    PrintValues(values, options.HasFlag(QStringLiteral("--json")), out);
    return 0;
}

int RunFinance(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QString folder;
    if (!TakeFolder(options.Arguments(), "finance", folder, err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& doc = session.Document();
    const double rate = doc.Settings().GetDolarToShekel();
    const CGiftTotals gifts = CGiftTotals::Compute(doc.Guests(), rate);
    const CExpenseTotals expenses = CExpenseTotals::Compute(doc.Expenses(), rate, Language::IsHebrew());
    QJsonArray optionTotals;
    for (int option = 0; option < COffer::kPlanCount; ++option)
        optionTotals.append(QString::number(CBudgetTotals::OptionTotal(doc, option)));
    const Values values = {
        {QStringLiteral("rate"), MoneyText::Rate(rate)},
        {QStringLiteral("giftShekels"), MoneyText::Whole(gifts.shekels)},
        {QStringLiteral("giftDollars"), MoneyText::Whole(gifts.dollars)},
        {QStringLiteral("giftTotal"), MoneyText::TwoDecimals(gifts.total)},
        {QStringLiteral("shekels"), MoneyText::Whole(double(expenses.shekels))},
        {QStringLiteral("dollars"), MoneyText::Whole(double(expenses.dollars))},
        {QStringLiteral("dollarsInShekels"), MoneyText::Whole(expenses.dollarsInShekels)},
        {QStringLiteral("total"), MoneyText::Whole(expenses.total)},
        {QStringLiteral("paid"), MoneyText::Whole(expenses.paid)},
        {QStringLiteral("remaining"), MoneyText::Whole(expenses.remaining)},
        {QStringLiteral("options"), optionTotals},
        {QStringLiteral("ceiling"), QString::number(CBudgetTotals::Ceiling(doc.Settings()))},
    };
    PrintValues(values, options.HasFlag(QStringLiteral("--json")), out);
    return 0;
}

int RunResave(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QString folder;
    if (!TakeFolder(options.Arguments(), "resave", folder, err))
        return 2;
    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "resave", err))
        return 2;
    CFolderSession session(folder, err);
    session.Document().SetModified(true);
    if (!SaveSession(session, "resave", folder, err))
        return 1;
    out << "saved " << QDir(folder).absoluteFilePath(QStringLiteral("WeddingData.xml")) << '\n';
    return 0;
}

int RunSeat(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    const bool unseated = words.removeAll(QStringLiteral("--unseated")) > 0;
    const bool all = words.removeAll(QStringLiteral("--all")) > 0;
    QString groupName;
    const int at = words.indexOf(QStringLiteral("--group"));
    if (at >= 0) {
        if (at + 1 >= words.size()) {
            err << "ravivaz-cli seat: --group needs the name of a group\n";
            return 2;
        }
        groupName = words.takeAt(at + 1);
        words.removeAt(at);
    }
    if (int(unseated) + int(all) + int(at >= 0) != 1) {
        err << "ravivaz-cli seat: give one of --unseated, --all or --group NAME\n";
        return 2;
    }
    QString folder;
    if (!TakeFolder(words, "seat", folder, err))
        return 2;
    if (!CFolderSession::IsEventFolder(folder)) {
        err << "ravivaz-cli seat: \"" << folder << "\" holds no event\n";
        return 2;
    }
    CDataFolderLock lock(QFileInfo(folder).absoluteDir().absolutePath());
    if (!CFolderSession::TakeLock(lock, "seat", err))
        return 2;
    CFolderSession session(folder, err);
    CNewZelDoc& doc = session.Document();
    // Running the command is the user's Yes to the procedure's question.
    CAutoSeating seating(doc);
    CAutoSeating::GroupTable made;
    if (at >= 0) {
        const CGroup* group = doc.FindGroupByName(groupName);
        if (!group) {
            err << "ravivaz-cli seat: \"" << groupName << "\" is not a group of the event\n";
            return 2;
        }
        made = seating.TableForGroup(*group);
    } else if (all) {
        seating.SeatAll(true);
    } else {
        seating.SeatUnseated(true);
    }
    if (!SaveSession(session, "seat", folder, err))
        return 1;
    PrintTables(doc, made, at >= 0, options.HasFlag(QStringLiteral("--json")), out);
    return 0;
}

int RunMeetings(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QStringList words = options.Arguments();
    QString icsPath;
    if (const int at = words.indexOf(QStringLiteral("--ics")); at >= 0) {
        if (at + 1 >= words.size()) {
            err << "ravivaz-cli meetings: --ics needs the path of the calendar file\n";
            return 2;
        }
        icsPath = words.takeAt(at + 1);
        words.removeAt(at);
    }
    QString folder;
    if (!TakeFolder(words, "meetings", folder, err))
        return 2;
    CFolderSession session(folder, err);
    CMeetingCalendar calendar;
    for (const CMeeting* meeting : session.Document().Meetings()) {
        out << meeting->GetDate().ToText() << '\t' << meeting->GetName() << '\t' << meeting->GetContactName() << '\n';
        if (!icsPath.isEmpty() && !calendar.Add(*meeting))
            err << "ravivaz-cli meetings: \"" << meeting->GetName() << "\" has no date and is left out of the calendar\n";
    }
    if (icsPath.isEmpty())
        return 0;
    if (!calendar.Save(icsPath)) {
        err << "ravivaz-cli meetings: the calendar file \"" << icsPath << "\" could not be written\n";
        return 1;
    }
    out << "wrote " << calendar.EventCount() << " meetings to " << icsPath << '\n';
    return 0;
}
