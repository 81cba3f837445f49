#include "CliProcess.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray FolderDigest(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        QFile file(folder + "/" + name);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(name.toUtf8() + file.readAll());
    }
    return hash.result();
}

// An event of an older version: one expense of 1000 shekels paid and 500 dollars not paid, two
// guests with gifts, and a rate of 4.
class FinanceCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini", "[GenSettings]\r\nDolarToShekel=4.00\r\n"));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Expences.ini",
                                     TestFiles::Cp1255("[Expences0]\r\nMoneyItem=אולם\r\nDolars=500\r\nShekels=1000\r\n"
                                                       "PDolar0=0\r\nPShekel0=1000\r\nPPaid0=1\r\nPDate0=05.03.2026\r\n"
                                                       "PDolar1=500\r\nPShekel1=0\r\nPPaid1=0\r\nPDate1=25.04.2026\r\n")));
        ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                     TestFiles::Cp1255("[Guest0]\r\nNM=דנה\r\nGS=500\r\nGD=100\r\n"
                                                       "[Guest1]\r\nNM=רון\r\nGS=999999\r\nGD=0\r\n")));
    }
    QString Folder() const { return m_dir.path() + "/Data/DB"; }

    QTemporaryDir m_dir;
};

}

TEST_F(FinanceCommandTest, PrintsTheSumsOfTheWorkedExampleWithoutWriting)
{
    const QByteArray before = FolderDigest(Folder());
    const CliRun hebrew = Cli({"--lang", "he", "finance", Folder()});
    ASSERT_EQ(hebrew.exitCode, 0) << hebrew.err.constData();
    EXPECT_EQ(QString::fromUtf8(hebrew.out), "rate: 4.00\n"
                                             "giftShekels: 1000499\n"
                                             "giftDollars: 100\n"
                                             "giftTotal: 1000899.00\n"
                                             "shekels: 1000\n"
                                             "dollars: 500\n"
                                             "dollarsInShekels: 2000\n"
                                             "total: 3000\n"
                                             "paid: 1000\n"
                                             "remaining: 2000\n"
                                             "options: 0, 0, 0\n"
                                             "ceiling: 50000\n");
    EXPECT_EQ(FolderDigest(Folder()), before);

    const CliRun english = Cli({"--lang", "en", "finance", Folder(), "--json"});
    ASSERT_EQ(english.exitCode, 0) << english.err.constData();
    const QJsonObject sums = QJsonDocument::fromJson(english.out).object();
    EXPECT_EQ(sums.value("total").toString(), "500");
    EXPECT_EQ(sums.value("paid").toString(), "0");
    EXPECT_EQ(sums.value("remaining").toString(), "500");
    EXPECT_EQ(sums.value("giftTotal").toString(), "1000899.00");
    EXPECT_EQ(FolderDigest(Folder()), before);
}

TEST_F(FinanceCommandTest, ThreeHundredLargestGiftsLoseNoShekel)
{
    QByteArray guests;
    for (int n = 0; n < 300; ++n)
        guests += "[Guest" + QByteArray::number(n) + "]\r\nNM=G" + QByteArray::number(n) + "\r\nGS=999999\r\n";
    ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini", guests));
    const CliRun run = Cli({"--lang", "he", "finance", Folder(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject sums = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(sums.value("giftShekels").toString(), "299999700");
    EXPECT_EQ(sums.value("giftTotal").toString(), "299999700.00");
}

TEST_F(FinanceCommandTest, PrintsTheOptionTotalsInSixtyFourBitsAndTheStoredCeiling)
{
    ASSERT_TRUE(TestFiles::Write(Folder() + "/Settings.ini",
                                 "[GenSettings]\r\nDolarToShekel=4.00\r\n[KeySettings]\r\nUpperBudgetLimit=80000\r\n"));
    ASSERT_TRUE(TestFiles::Write(Folder() + "/Guests.ini",
                                 TestFiles::Cp1255("[Guest0]\r\nNM=דנה\r\nPN=120\r\n[Guest1]\r\nNM=רון\r\nPN=80\r\n")));
    ASSERT_TRUE(TestFiles::Write(Folder() + "/Category.ini",
                                 TestFiles::Cp1255("[Categories0]\r\nCategoryName=קיטרינג\r\n")));
    // Per guest for the 200 invited, per guest for its own 400, and one whose category is gone.
    ASSERT_TRUE(TestFiles::Write(
        Folder() + "/Offers.ini",
        TestFiles::Cp1255("[Offer0]\r\nMoneyItem=טעם וצבע\r\nCategoryE=קיטרינג\r\nShekels=150\r\nIsPerGuest=1\r\n"
                          "IsInPlan0=1\r\n"
                          "[Offer1]\r\nMoneyItem=פרי הארץ\r\nCategoryE=קיטרינג\r\nShekels=150\r\nIsPerGuest=1\r\n"
                          "number_of_guests_for_offers=400\r\nIsInPlan1=1\r\n"
                          "[Offer2]\r\nMoneyItem=ארמון\r\nCategoryE=אולמות\r\nShekels=5000000\r\nIsPerGuest=1\r\n"
                          "number_of_guests_for_offers=500\r\nIsInPlan0=1\r\nIsInPlan2=1\r\n")));
    const QByteArray before = FolderDigest(Folder());

    const CliRun text = Cli({"--lang", "he", "finance", Folder()});
    ASSERT_EQ(text.exitCode, 0) << text.err.constData();
    EXPECT_TRUE(text.out.endsWith("options: 2500030000, 60000, 2500000000\nceiling: 80000\n")) << text.out.constData();

    const CliRun json = Cli({"--lang", "en", "finance", Folder(), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.constData();
    const QJsonObject sums = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(sums.value("options").toArray(), (QJsonArray{"2500030000", "60000", "2500000000"}));
    EXPECT_EQ(sums.value("ceiling").toString(), "80000");
    EXPECT_EQ(FolderDigest(Folder()), before);
}

TEST_F(FinanceCommandTest, AMissingFolderFails)
{
    const CliRun run = Cli({"finance", m_dir.path() + "/nowhere"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("finance"));
}
