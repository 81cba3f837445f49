#include "data/document/ExampleData.h"

#include "data/records/Category.h"
#include "data/records/EventRecords.h"
#include "data/records/Expence.h"
#include "data/settings/Language.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/ShortDate.h"
#include "data/settings/StringTable.h"
#include "data/records/Table.h"

namespace ExampleData {

namespace {

void AddCategoriesAndOffers(CEventRecords& records)
{
    const bool hebrew = Language::IsHebrew();
    const QString catering = StringTable::Get(59608);
    const QString photographers = StringTable::Get(59609);
    const QString djs = StringTable::Get(59610);
    const QString bands = StringTable::Get(59611);
    const QString invitations = hebrew ? QStringLiteral("הזמנות") : QStringLiteral("Invitations");
    const QStringList names = {
        catering,
        hebrew ? QStringLiteral("שרותי בר") : QStringLiteral("Bar services"),
        hebrew ? QStringLiteral("אולמות") : QStringLiteral("Halls"),
        djs,
        photographers,
        hebrew ? QStringLiteral("וידאו") : QStringLiteral("Video"),
        hebrew ? QStringLiteral("עיצוב חופה") : QStringLiteral("Ceremony Design"),
        hebrew ? QStringLiteral("תאורה") : QStringLiteral("Lightings"),
        hebrew ? QStringLiteral("סלוני כלות") : QStringLiteral("Bridal salon"),
        bands,
        hebrew ? QStringLiteral("רבנים") : QStringLiteral("Solemnizer"),
        invitations,
    };
    for (const QString& name : names) {
        auto* category = new CCategory(&records.counters);
        category->SetName(name);
        records.categories.append(category);
    }

    struct ExampleOffer
    {
        QString name;
        QString category;
        int price;
        QString notes;
    };
    QList<ExampleOffer> offers = {
        {hebrew ? QStringLiteral("טעם וצבע") : QStringLiteral("Food Co Catering"), catering, 10000, {}},
        {hebrew ? QStringLiteral("פרי הארץ") : QStringLiteral("Frout of the earth catering"), catering, 20000, {}},
        {hebrew ? QStringLiteral("פוטו פיניש צילום ארועים") : QStringLiteral("Photographers inc"), photographers, 3000,
         {}},
        {hebrew ? QStringLiteral("מקסימום מוסיקה") : QStringLiteral("Musica Plus"), djs, 5000, {}},
        {hebrew ? QStringLiteral("הגבעתרון") : QStringLiteral("Blue River Band"), bands, 5002, {}},
    };
    if (hebrew)
        offers.append({QStringLiteral("סטודיו נייר וחן - עיצוב הזמנות"), invitations, 400,
                       QStringLiteral("300 הזמנות מודפסות כולל מעטפות - דוגמה\r\nטלפון: 03-7654321")});
    for (const ExampleOffer& example : offers) {
        auto* offer = new COffer(&records.counters);
        offer->SetName(example.name);
        offer->SetCategory(example.category);
        offer->SetShekels(example.price);
        offer->SetNotes(example.notes);
        records.offers.append(offer);
    }
}

void AddExpenses(CEventRecords& records)
{
    static const char* const english[] = {
        "Catering and Services", "Hall", "Photographer Fee", "Videographer Fee", "Bride's Dress & Alterations", "DJ",
        "Active bar", "Make up", "Hair stylist", "Jewelry", "Solemnizer,Priest or Rabbi", "Tips", "Marriage License",
        "Flowers", "Ravivaz Coordinator", "Ballons", "Security", "Decoration", "Band", "Web site", "Bride's Ring",
        "Groom's Ring", "Hair & Makeup", "Invitations & Reply Cards", "Car Design", "Parking Space", "Fire Works",
        "Hotel Room", "Attendants' Gifts", "Beverages and Bartender", "Bride's Bouquet",
        "Bride's Headpiece and/or Veil", "Bride's Shoes and Accessories", "Bridesmaids' Bouquets",
        "Ceremony Decorations", "Ceremony Music", "Ceremony Site Fee", "Coktail Hour Music", "Groom's Attire",
        "Groom's Shoes and Accessories", "Guest Favors", "Honeymoon Lodging", "Honeymoon Spending Money",
        "Honeymoon Travel", "Officiant Fee", "Parents' Gifts", "Reception Centerpiece & Decorations",
        "Reception Music", "Reception Site Fee & Rentals", "Thank You Notes & Announcements",
        "Ravivaz Cake & Cutting Fee", "Ravivaz Insurance", "Ravivaz Photo Album", "Ravivaz Programs",
    };
    static const char16_t* const hebrew[] = {
        u"קיטרינג", u"אולם", u"צלם", u"צילום וידאו", u"תאורה", u"שמלת כלה", u"DJ", u"בר אקטיבי", u"איפור לכלה",
        u"תסרוקת", u"תכשיטים לכלה", u"טבעת לכלה", u"טבעת לחתן", u"טבעת אירוסים", u"מפיק לארוע",
        u"טיפ למלצרים ולברמנים", u"חליפת חתן", u"נעלים לחתן", u"נעלים לכלה", u"בלונים למכוניות", u"אבטחה",
        u"קישוט החופה", u"להקה", u"אתר אינטרנט", u"רבנות", u"טיפ לרב", u"הוצאת תעודת רווקות", u"הזמנות",
        u"קישוט לרכב", u"זיקוקים", u"ירח דבש", u"מלון ליום החתונה", u"זר כלה",
    };
    QStringList names;
    if (Language::IsHebrew()) {
        for (const char16_t* name : hebrew)
            names << QString::fromUtf16(name);
    } else {
        for (const char* name : english)
            names << QString::fromLatin1(name);
    }
    for (const QString& name : names) {
        auto* expense = new CExpence(&records.counters);
        expense->SetName(name);
        records.expenses.append(expense);
    }
}

void AddTables(CEventRecords& records, IRecordOwner* owner)
{
    ExampleData::AddUnseatedTable(records, owner);

    auto* example = new CTable(owner, &records.counters);
    example->SetName(StringTable::Get(59509));
    example->SetSeats(10);
    example->SetHallNumber(1);
    example->SetId(1);
    records.tables.append(example);
}

void AddMeeting(CEventRecords& records)
{
    auto* meeting = new CMeeting(&records.counters);
    meeting->SetDate(ShortDate::Today());
    if (Language::IsHebrew()) {
        meeting->SetName(QStringLiteral("פגישת טעימות אצל הקיטרינג - דוגמה"));
        meeting->SetContactPhone(QStringLiteral("03-1234567"));
        meeting->SetContactJob(QStringLiteral("מנהל הקיטרינג"));
        meeting->SetContactName(QStringLiteral("דני כהן"));
        meeting->SetContactAddress(QStringLiteral("משעול העוגות 9 רמת גן"));
        meeting->SetNotes(QStringLiteral("להזמין בקבוקי יין\r\nלבחור את מנות הפתיחה והעיקריות\r\n"
                                         "לשאול על מנות צמחוניות ומנות ילדים"));
    } else {
        meeting->SetName(QStringLiteral("Meeting with the caterer - Example"));
        meeting->SetContactPhone(QStringLiteral("415-1234567"));
        meeting->SetContactJob(QStringLiteral("Catering manager"));
        meeting->SetContactName(QStringLiteral("Dan Cohen"));
        meeting->SetContactAddress(QStringLiteral("Cakes avenue number 9"));
        meeting->SetNotes(QStringLiteral("Order bottles of wine\r\nTell the caterer how to make the meet"));
    }
    records.meetings.append(meeting);
}

}

void Fill(CEventRecords& records, IRecordOwner* owner)
{
    if (records.categories.isEmpty())
        AddCategoriesAndOffers(records);
    if (records.expenses.isEmpty())
        AddExpenses(records);
    if (records.tables.isEmpty())
        AddTables(records, owner);
    if (records.meetings.isEmpty())
        AddMeeting(records);
}

}

void ExampleData::AddUnseatedTable(CEventRecords& records, IRecordOwner* owner)
{
    auto* unseated = new CTable(owner, &records.counters);
    unseated->SetName(StringTable::Get(59416));
    unseated->SetSeats(0);
    unseated->SetId(0);
    records.tables.append(unseated);
}
