#include "data/records/Category.h"
#include "data/records/Expence.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/records/Offer.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString FinanceFixture(const char* name)
{
    return TestFiles::Fixture(QStringLiteral("fixtures/finance/") + QLatin1String(name));
}

template <typename T>
std::vector<std::unique_ptr<T>> Owned(const QList<T*>& records)
{
    std::vector<std::unique_ptr<T>> owned;
    for (T* record : records)
        owned.emplace_back(record);
    return owned;
}

}

TEST(Expence, OlderFileReadsEveryStepAndSentinel)
{
    CRecordCounters counters;
    const CIniFile file(FinanceFixture("Expences.ini"));
    const auto expenses = Owned(CExpence::LoadAllIni(file, &counters));
    // Expences3 has an empty MoneyItem: the list ends there and Expences4 is never reached.
    ASSERT_EQ(expenses.size(), 3u);

    const CExpence& hall = *expenses[0];
    EXPECT_EQ(hall.GetId(), 0);
    EXPECT_EQ(hall.GetSection(), QStringLiteral("Expences0"));
    EXPECT_EQ(hall.GetName(), QStringLiteral("אולם"));
    // Comments go to the info, which the event data file carries.
    EXPECT_EQ(hall.GetInfo(), QStringLiteral("לסגור מחיר\r\nלשאול על חניה"));
    EXPECT_TRUE(hall.GetNotes().isEmpty());
    EXPECT_EQ(hall.GetCategory(), QStringLiteral("אולמות"));
    EXPECT_EQ(hall.GetPayer(), QStringLiteral("החתן"));
    EXPECT_EQ(hall.GetDollars(), 100);
    EXPECT_EQ(hall.GetShekels(), 2500);
    EXPECT_TRUE(hall.IsPaid());
    EXPECT_EQ(hall.GetDate(), (ShortDate{2004, 3, 5}));
    // Without payment keys the expense gets one payment of its own amounts, state and date.
    ASSERT_EQ(hall.GetPaymentCount(), 1);
    EXPECT_EQ(hall.GetPayment(0)->GetDollars(), 100);
    EXPECT_EQ(hall.GetPayment(0)->GetShekels(), 2500);
    EXPECT_TRUE(hall.GetPayment(0)->IsPaid());
    EXPECT_EQ(hall.GetPayment(0)->GetDate(), (ShortDate{2004, 3, 5}));

    const CExpence& photographer = *expenses[1];
    EXPECT_EQ(photographer.GetDollars(), 0);
    EXPECT_EQ(photographer.GetShekels(), 12);
    // Paid "לא", but one of two payments paid: partly paid.
    EXPECT_TRUE(photographer.IsPartlyPaid());
    // PDolar2 without PShekel2 is dropped and ends the list, so PDolar3 is not read.
    ASSERT_EQ(photographer.GetPaymentCount(), 2);
    const CPayment& first = *photographer.GetPayment(0);
    EXPECT_EQ(first.GetDollars(), 10);
    EXPECT_EQ(first.GetShekels(), 100);
    EXPECT_TRUE(first.IsUnpaid());
    EXPECT_EQ(first.GetDate(), (ShortDate{2004, 3, 5}));
    EXPECT_EQ(first.GetInfo(), QStringLiteral("מקדמה"));
    const CPayment& second = *photographer.GetPayment(1);
    EXPECT_TRUE(second.IsPaid());
    EXPECT_TRUE(second.GetDate().IsEmpty());
    EXPECT_TRUE(second.GetInfo().isEmpty());
    EXPECT_EQ(photographer.GetDate(), first.GetDate());

    const CExpence& flowers = *expenses[2];
    // An absent Paid reads as partly paid, and one paid payment of one does not change that.
    EXPECT_TRUE(flowers.IsPartlyPaid());
    ASSERT_EQ(flowers.GetPaymentCount(), 1);
    EXPECT_TRUE(flowers.GetPayment(0)->IsPaid());
    EXPECT_EQ(flowers.GetInfo(), QString(255, QChar(u'א')));

    for (const auto& expense : expenses)
        EXPECT_FALSE(expense->IsModified());
    // The section that did not read gave its id back.
    EXPECT_EQ(CExpence(&counters).GetId(), 3);
}

TEST(Expence, OlderCommentsSurviveInTheDataFile)
{
    const CIniFile file(FinanceFixture("Expences.ini"));
    CExpence expense;
    ASSERT_TRUE(expense.LoadIni(file, QStringLiteral("Expences0")));
    QByteArray xml;
    expense.WriteXml(xml);
    EXPECT_TRUE(xml.contains("<ExpInfo><![CDATA[לסגור מחיר\r\nלשאול על חניה]]></ExpInfo>\r\n"));
}

TEST(Expence, IdCountersPerKind)
{
    CRecordCounters counters;
    CExpence first(&counters);
    EXPECT_EQ(first.GetId(), 0);
    // Offers count on their own counter.
    COffer offer(&counters);
    CExpence second(&counters);
    EXPECT_EQ(second.GetId(), 1);
    second.ReleaseId();
    EXPECT_EQ(CExpence(&counters).GetId(), 1);

    const int offerId = COffer(&counters).GetId();
    EXPECT_EQ(COffer(&counters).GetId(), offerId + 1);
    const int categoryId = CCategory(&counters).GetId();
    EXPECT_EQ(CCategory(&counters).GetId(), categoryId + 1);
    // A new load numbers expenses from 0 again; offers and categories go on.
    counters.ResetForLoad();
    EXPECT_EQ(CExpence(&counters).GetId(), 0);
    EXPECT_EQ(COffer(&counters).GetId(), offerId + 2);
    EXPECT_EQ(CCategory(&counters).GetId(), categoryId + 2);
    // Another event's records count apart.
    CRecordCounters other;
    EXPECT_EQ(COffer(&other).GetId(), 0);
}

TEST(Expence, SettersChangeOnlyOnANewValue)
{
    CPayment payment;
    EXPECT_FALSE(payment.SetDollars(0));
    EXPECT_FALSE(payment.IsModified());
    EXPECT_TRUE(payment.SetInfo(QStringLiteral("מקדמה")));
    EXPECT_TRUE(payment.IsModified());
    payment.ClearModified();
    EXPECT_FALSE(payment.SetInfo(QStringLiteral("מקדמה")));
    EXPECT_FALSE(payment.IsModified());

    CExpence expense;
    EXPECT_TRUE(expense.SetPayer(QStringLiteral("הכלה")));
    EXPECT_FALSE(expense.SetPayer(QStringLiteral("הכלה")));
    EXPECT_TRUE(expense.SetCategory(QStringLiteral("אולמות")));
    EXPECT_TRUE(expense.IsModified());
    expense.ClearFlags();
    EXPECT_FALSE(expense.SetCategory(QStringLiteral("אולמות")));
    EXPECT_FALSE(expense.IsModified());
    // The payment part of the expense counts as the record's own change.
    EXPECT_TRUE(expense.SetInfo(QStringLiteral("הערה")));
    EXPECT_TRUE(expense.IsModified());
}

TEST(Expence, PaymentsFollowTheExpense)
{
    CExpence expense;
    CPayment& only = expense.AddPayment();
    EXPECT_TRUE(expense.SetDollars(50));
    EXPECT_TRUE(expense.SetShekels(70));
    EXPECT_EQ(only.GetDollars(), 50);
    EXPECT_EQ(only.GetShekels(), 70);

    expense.AddPayment();
    EXPECT_TRUE(expense.SetDollars(80));
    EXPECT_EQ(expense.GetPayment(0)->GetDollars(), 50);
    EXPECT_EQ(expense.GetPayment(1)->GetDollars(), 0);

    EXPECT_TRUE(expense.SetDate(ShortDate{2024, 5, 1}));
    EXPECT_EQ(expense.GetPayment(0)->GetDate(), (ShortDate{2024, 5, 1}));
    EXPECT_TRUE(expense.GetPayment(1)->GetDate().IsEmpty());

    EXPECT_TRUE(expense.SetPaid(CPayment::PartlyPaid));
    EXPECT_TRUE(expense.GetPayment(0)->IsUnpaid());
    EXPECT_TRUE(expense.GetPayment(1)->IsUnpaid());
    EXPECT_TRUE(expense.SetPaid(CPayment::Paid));
    EXPECT_TRUE(expense.GetPayment(0)->IsPaid());
    EXPECT_TRUE(expense.GetPayment(1)->IsPaid());
    EXPECT_EQ(expense.GetPaidText(), QStringLiteral("כן"));
    // A payment out of step with its expense is brought back even when the expense's state stays.
    expense.GetPayment(1)->SetPaid(CPayment::Unpaid);
    EXPECT_TRUE(expense.SetPaid(CPayment::Paid));
    EXPECT_TRUE(expense.GetPayment(1)->IsPaid());
    EXPECT_FALSE(expense.SetPaid(CPayment::Paid));

    // Clearing the flags covers the payments but leaves the record new.
    expense.ClearFlags();
    EXPECT_FALSE(expense.IsModified());
    EXPECT_TRUE(expense.IsNew());
    expense.GetPayment(1)->SetInfo(QStringLiteral("יתרה"));
    EXPECT_TRUE(expense.IsModified());

    expense.ClearFlags();
    EXPECT_FALSE(expense.RemovePayment(2));
    EXPECT_EQ(expense.GetPayment(-1), nullptr);
    EXPECT_FALSE(expense.IsModified());
    EXPECT_TRUE(expense.RemovePayment(0));
    EXPECT_TRUE(expense.IsModified());
    ASSERT_EQ(expense.GetPaymentCount(), 1);
    EXPECT_EQ(expense.GetPayment(0)->GetInfo(), QStringLiteral("יתרה"));
}

TEST(Expence, PaidWords)
{
    CPayment payment;
    EXPECT_EQ(payment.GetPaidText(), QStringLiteral("לא"));
    payment.SetPaid(CPayment::PartlyPaid);
    EXPECT_EQ(payment.GetPaidText(), QStringLiteral("חלקית"));
    payment.SetPaid(9);
    EXPECT_EQ(payment.GetPaidText(), QStringLiteral("לא"));
}

TEST(Expence, WriteXmlBytes)
{
    CExpence expense;
    expense.SetName(QStringLiteral("אולם"));
    expense.SetInfo(QStringLiteral("שורה\r\nשנייה"));
    expense.SetDollars(100);
    expense.SetShekels(2500);
    expense.SetPayer(QStringLiteral("החתן"));
    expense.SetPaid(CPayment::PartlyPaid);
    expense.SetCategory(QStringLiteral("אולמות"));
    CPayment& deposit = expense.AddPayment();
    deposit.SetShekels(1000);
    deposit.SetPaid(CPayment::Paid);
    deposit.SetDate(ShortDate{2004, 3, 5});
    deposit.SetInfo(QStringLiteral("מקדמה"));
    CPayment& rest = expense.AddPayment();
    rest.SetDollars(100);
    rest.SetShekels(1500);
    rest.SetPaid(CPayment::PartlyPaid);

    const QByteArray payments =
        "<Payments>\r\n"
        "<Payment>\r\n<pDollar>0</pDollar>\r\n<pShekel>1000</pShekel>\r\n<pPaid>1</pPaid>\r\n"
        "<pDate>05.03.2004</pDate>\r\n<pInfo><![CDATA[מקדמה]]></pInfo>\r\n</Payment>\r\n\r\n"
        "<Payment>\r\n<pDollar>100</pDollar>\r\n<pShekel>1500</pShekel>\r\n<pPaid>1</pPaid>\r\n"
        "<pDate>0.0.00</pDate>\r\n<pInfo><![CDATA[]]></pInfo>\r\n</Payment>\r\n\r\n"
        "</Payments>\r\n";
    QByteArray xml;
    EXPECT_TRUE(expense.WriteXml(xml));
    EXPECT_EQ(xml, "<Expence>\r\n"
                   "<ExpName><![CDATA[אולם]]></ExpName>\r\n"
                   "<ExpInfo><![CDATA[שורה\r\nשנייה]]></ExpInfo>\r\n"
                   "<ExpDollar>100</ExpDollar>\r\n"
                   "<ExpShekel>2500</ExpShekel>\r\n"
                   "<ExpPayer><![CDATA[החתן]]></ExpPayer>\r\n"
                   "<ExpPaid>2</ExpPaid>\r\n"
                   "<ExpCat><![CDATA[אולמות]]></ExpCat>\r\n"
                       + payments + "</Expence>\r\n\r\n");

    Language::Set(UiLanguage::English);
    QByteArray english;
    expense.WriteXml(english);
    Language::Set(UiLanguage::Hebrew);
    EXPECT_TRUE(english.contains("<pDate>03.05.2004</pDate>\r\n"));

    CExpence empty;
    QByteArray bare;
    empty.WriteXml(bare);
    EXPECT_TRUE(bare.endsWith("<ExpCat><![CDATA[]]></ExpCat>\r\n<Payments>\r\n</Payments>\r\n</Expence>\r\n\r\n"));
}

TEST(Offer, OlderFileWithTheFirstPlanKey)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Offers.ini"));
    ASSERT_TRUE(QFile::copy(FinanceFixture("Offers.ini"), path));
    const CIniFile file(path);
    CRecordCounters counters;
    const int before = COffer(&counters).GetId();
    const auto offers = Owned(COffer::LoadAllIni(file, &counters));
    // Offer2 has no MoneyItem.
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers[0]->GetId(), before + 1);
    EXPECT_EQ(COffer(&counters).GetId(), before + 3);

    const COffer& catering = *offers[0];
    EXPECT_EQ(catering.GetName(), QStringLiteral("טעם וצבע"));
    // An offer's comments are its notes (oInfo).
    EXPECT_EQ(catering.GetNotes(), QStringLiteral("הצעה לכל מוזמן\r\n03-1234567"));
    EXPECT_EQ(catering.GetCategory(), QStringLiteral("קיטרינגים"));
    EXPECT_EQ(catering.GetShekels(), 100);
    EXPECT_TRUE(catering.IsInPlan(0));
    EXPECT_FALSE(catering.IsInPlan(1));
    EXPECT_TRUE(catering.IsPerGuest());
    EXPECT_EQ(catering.GetGuestsForOffer(), 120);
    EXPECT_FALSE(catering.IsModified());

    const COffer& second = *offers[1];
    // IsInOffer=0 wins over IsInPlan0=1; IsInPlan2=2 is not 1.
    EXPECT_FALSE(second.IsInPlan(0));
    EXPECT_TRUE(second.IsInPlan(1));
    EXPECT_FALSE(second.IsInPlan(2));
    EXPECT_FALSE(second.IsPerGuest());

    // Reading writes nothing; the keys are brought up to date when the event is saved.
    EXPECT_EQ(TestFiles::Read(path), TestFiles::Read(FinanceFixture("Offers.ini")));
    ASSERT_TRUE(COffer::ReplaceOlderPlanKeys(path, {offers[0].get(), offers[1].get()}));
    const CIniFile after(path);
    EXPECT_FALSE(after.HasKey(QStringLiteral("Offer0"), QStringLiteral("IsInOffer")));
    EXPECT_EQ(after.GetString(QStringLiteral("Offer0"), QStringLiteral("IsInPlan0")), QStringLiteral("1"));
    EXPECT_FALSE(after.HasKey(QStringLiteral("Offer1"), QStringLiteral("IsInOffer")));
    EXPECT_EQ(after.GetString(QStringLiteral("Offer1"), QStringLiteral("IsInPlan0")), QStringLiteral("0"));
    EXPECT_EQ(after.GetString(QStringLiteral("Offer0"), QStringLiteral("MoneyItem")), QStringLiteral("טעם וצבע"));
}

TEST(Offer, Price)
{
    COffer offer;
    offer.SetShekels(100);
    EXPECT_EQ(offer.GetPrice(150), 100);
    EXPECT_TRUE(offer.SetPerGuest(true));
    EXPECT_EQ(offer.GetPrice(150), 15000);
    EXPECT_TRUE(offer.SetGuestsForOffer(120));
    EXPECT_EQ(offer.GetPrice(150), 12000);
    EXPECT_FALSE(offer.SetGuestsForOffer(120));
    offer.SetGuestsForOffer(-3);
    EXPECT_EQ(offer.GetPrice(7), 700);
    // Large prices do not wrap.
    offer.SetShekels(1000000);
    offer.SetGuestsForOffer(5000);
    EXPECT_EQ(offer.GetPrice(0), 5000000000LL);
}

TEST(Offer, PlansAndWriteXmlBytes)
{
    COffer offer;
    EXPECT_FALSE(offer.SetInPlan(3, true));
    EXPECT_FALSE(offer.IsInPlan(-1));
    EXPECT_FALSE(offer.IsModified());
    EXPECT_TRUE(offer.SetInPlan(2, true));
    EXPECT_FALSE(offer.SetInPlan(2, true));
    EXPECT_TRUE(offer.IsModified());
    offer.SetName(QStringLiteral("פרי הארץ"));
    offer.SetNotes(QStringLiteral("א\r\nב"));
    offer.SetShekels(20000);
    offer.SetCategory(QStringLiteral("קיטרינגים"));
    offer.SetPerGuest(true);
    offer.SetGuestsForOffer(300);

    QByteArray xml;
    EXPECT_TRUE(offer.WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Offer>\r\n"
                              "<oName><![CDATA[פרי הארץ]]></oName>\r\n"
                              "<oInfo><![CDATA[א\r\nב]]></oInfo>\r\n"
                              "<oShekel>20000</oShekel>\r\n"
                              "<oCategory><![CDATA[קיטרינגים]]></oCategory>\r\n"
                              "<oInOffer1>0</oInOffer1>\r\n"
                              "<oInOffer2>0</oInOffer2>\r\n"
                              "<oInOffer3>1</oInOffer3>\r\n"
                              "<oGuestForOffer>300</oGuestForOffer>\r\n"
                              "<oIsPerGuest>1</oIsPerGuest>\r\n"
                              "</Offer>\r\n"));
}

TEST(Category, OlderFileAndWriteXml)
{
    const CIniFile file(FinanceFixture("Category.ini"));
    CRecordCounters counters;
    const auto categories = Owned(CCategory::LoadAllIni(file, &counters));
    // Categories2 has an empty name: Categories3 is never read.
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0]->GetName(), QStringLiteral("אולמות"));
    EXPECT_FALSE(categories[0]->IsNew());
    EXPECT_FALSE(categories[0]->IsModified());
    EXPECT_EQ(categories[1]->GetName(), QString(255, QChar(u'ק')));
    EXPECT_EQ(categories[1]->GetSection(), QStringLiteral("Categories1"));

    QByteArray xml;
    EXPECT_TRUE(categories[0]->WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Category>\r\n<cName><![CDATA[אולמות]]></cName>\r\n</Category>\r\n\r\n"));
}

TEST(FinanceRecords, SectionsAndFileCodes)
{
    CExpence expense;
    COffer offer;
    CCategory category;
    expense.MakeSection();
    offer.MakeSection();
    category.MakeSection();
    EXPECT_EQ(expense.GetSection(), QStringLiteral("Expences%1").arg(expense.GetId()));
    EXPECT_EQ(offer.GetSection(), QStringLiteral("Offer%1").arg(offer.GetId()));
    EXPECT_EQ(category.GetSection(), QStringLiteral("Categories%1").arg(category.GetId()));
    EXPECT_TRUE(category.IsModified());
    EXPECT_EQ(expense.FileCode(), 2);
    EXPECT_EQ(offer.FileCode(), 9);
    EXPECT_EQ(category.FileCode(), 8);
}
