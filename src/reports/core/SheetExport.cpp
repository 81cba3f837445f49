#include "reports/core/SheetExport.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/settings/Language.h"
#include "data/settings/NumberText.h"
#include "guests/core/GuestTexts.h"
#include "guests/core/GuestVerification.h"
#include "reports/core/ReportColumns.h"
#include "reports/core/ReportFile.h"
#include "reports/core/XlsxWorkbook.h"

#include <algorithm>

namespace SheetExport {

namespace {

QString Field(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}

QString Money(double amount)
{
    return QString::fromLatin1(NumberText::Fixed(amount, 0));
}

}

Rows Guests(CNewZelDoc& document)
{
    Rows rows;
    rows.append(Language::IsEnglish()
                    ? QStringList{"Name", "Last name", "Relation", "Group", "Phone", "Mobile", "Address", "Gift",
                                  "Gift comments", "Shekels", "Dolars", "Status", "Invitation sent", "Number of guests",
                                  "How many will come", "Table number", "Guest Code", "Verify Code", "Email"}
                    : QStringList{"שם", "שם משפחה", "שיכות", "קבוצה", "טלפון", "טלפון נייד", "כתובת", "מתנה", "הערות למתנה",
                                  "שקלים", "דולרים", "מצב", "נשלחה הזמנה", "מספר מוזמנים", "יבואו בפועל", "מספר שולחן",
                                  "קוד מוזמן", "אימות מוזמן", "אימייל"});
    for (const CGuest* guest : document.Guests())
        rows.append({guest->GetName(), guest->GetFamilyName(), guest->GetRelation(), guest->GetGroupName(), guest->GetPhone(),
                     guest->GetMobilePhone(), guest->GetAddress(), guest->GetGift(), guest->GetGiftInfo(),
                     Money(guest->GetGiftShekels()), Money(guest->GetGiftDollars()), ReportColumns::StatusText(*guest),
                     guest->GetInvitationSent() ? GuestTexts::Yes() : GuestTexts::No(), QString::number(guest->GetInvited()),
                     QString::number(guest->GetComing()), QString::number(guest->GetTableIndex()),
                     QString::number(guest->GetUniqueId()), QString::number(GuestVerification::Number(guest->GetUniqueId())),
                     guest->GetEmail()});
    return rows;
}

Rows Tables(CNewZelDoc& document)
{
    QList<int> ids;
    for (int id = 1; id < document.Tables().size(); ++id)
        ids.append(id);
    if (document.Settings().GetArrangeTableByHallNumber())
        std::stable_sort(ids.begin(), ids.end(), [&document](int a, int b) {
            return document.Tables().at(a)->GetHallNumber() < document.Tables().at(b)->GetHallNumber();
        });
    QStringList numbers{QStringLiteral("שולחן מספר")}, names{QStringLiteral("שיכות")}, halls{QStringLiteral("מיקום באולם")},
        people{QStringLiteral("כמות מוזמנים")};
    QList<QStringList> seated;
    for (const int id : ids) {
        const CTable* table = document.Tables().at(id);
        numbers.append(QStringLiteral("שולחן ") + QString::number(id));
        names.append(table->GetName());
        halls.append(QString::number(table->GetHallNumber()));
        people.append(QString::number(document.SeatedSum(id, CTable::CountComing)));
        QStringList guests;
        for (const CGuest* guest : document.GuestsAtTable(id))
            guests.append(guest->GetFullName());
        seated.append(guests);
    }
    Rows rows{numbers, names, halls, people};
    qsizetype longest = 0;
    for (const QStringList& guests : seated)
        longest = qMax(longest, guests.size());
    for (qsizetype line = 0; line < longest; ++line) {
        QStringList row{QStringLiteral("המוזמנים")};
        for (const QStringList& guests : seated)
            row.append(line < guests.size() ? guests.at(line) : QStringLiteral("..."));
        rows.append(row);
    }
    return rows;
}

QString TabSeparated(const Rows& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            text += Field(cell) + QLatin1Char('\t');
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool WriteTabSeparated(const QString& path, const Rows& rows)
{
    return ReportFile::Write(path, TabSeparated(rows));
}

bool WriteXlsx(const QString& path, const Rows& rows)
{
    return XlsxWorkbook::Write(path, rows, !Language::IsEnglish());
}

bool Write(const QString& path, const Rows& rows)
{
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? WriteXlsx(path, rows) : WriteTabSeparated(path, rows);
}

}
