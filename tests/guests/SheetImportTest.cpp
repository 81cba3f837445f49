#include "guests/core/GuestImport.h"
#include "guests/core/SheetReader.h"

#include "SheetFixtures.h"
#include "ViewTestEvent.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using SheetFixtures::Sheet;

const QString kReadError = QStringLiteral("שגיאה בקריאת הקובץ");
const QString kName = QStringLiteral("שם");
const QString kFamily = QStringLiteral("שם משפחה");
const QString kRelation = QStringLiteral("שיכות");
const QString kGroup = QStringLiteral("קבוצה");
const QString kInvited = QStringLiteral("מספר מוזמנים");
const QString kComing = QStringLiteral("יבואו בפועל");
const QString kBride = QStringLiteral("הכלה");
const QString kGroom = QStringLiteral("החתן");
const QString kShared = QStringLiteral("משותף");

QVariant T(const char* text)
{
    return QString::fromUtf8(text);
}

class SheetImportTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    QStringList Names(const CGuestImport& import) const
    {
        QStringList names;
        for (const CGuest* guest : import.Candidates())
            names.append(guest->GetFullName());
        return names;
    }
    const QList<CScriptedMessages::Shown>& Shown() { return m_event.Messages().ShownMessages(); }

    CViewTestEvent m_event;
    QTemporaryDir m_dir;
};

}

TEST_F(SheetImportTest, XlsHeadersInAnyOrderAndColumnKNeverSeen)
{
    QVariantList header = {kRelation, kName, kFamily, kGroup, kInvited, kComing, QStringLiteral("טלפון"),
                           QStringLiteral("טלפון נייד"), QStringLiteral("כתובת"), QStringLiteral("אי-מייל"),
                           QStringLiteral("שם")};
    QVariantList row = {T("כלה"), T("דנה"), T("לוי"), T("חברים"), 4.0, 3.0, T("03-5551234"), T("050-1234567"),
                        T("הרצל 1"), T("dana@example.com"), T("ignored")};
    const QString path = Path("Guests.xls");
    ASSERT_TRUE(SheetFixtures::WriteXls(path, {{"Guests", {header, row, {kGroom, T("רון"), T("כהן")}}}}));

    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadSheet(path));
    EXPECT_TRUE(Shown().isEmpty());
    ASSERT_EQ(import.Candidates().size(), 2);
    const CGuest& dana = *import.Candidates()[0];
    EXPECT_EQ(dana.GetName(), QStringLiteral("דנה"));
    EXPECT_EQ(dana.GetFamilyName(), QStringLiteral("לוי"));
    EXPECT_EQ(dana.GetRelation(), kBride);
    EXPECT_EQ(dana.GetGroupName(), QStringLiteral("חברים"));
    EXPECT_EQ(dana.GetInvited(), 4);
    EXPECT_EQ(dana.GetComing(), 3);
    EXPECT_EQ(dana.GetPhone(), QStringLiteral("03-5551234"));
    EXPECT_EQ(dana.GetMobilePhone(), QStringLiteral("050-1234567"));
    EXPECT_EQ(dana.GetAddress(), QStringLiteral("הרצל 1"));
    EXPECT_EQ(dana.GetEmail(), QStringLiteral("dana@example.com"));
    EXPECT_EQ(dana.GetStatus(), 0);
    const CGuest& ron = *import.Candidates()[1];
    EXPECT_EQ(ron.GetRelation(), kGroom);
    // Missing cells leave the counts at 0.
    EXPECT_EQ(ron.GetInvited(), 0);
    EXPECT_EQ(ron.GetComing(), 0);
}

TEST_F(SheetImportTest, XlsUnderAnotherNameIsRefusedEvenWithTheRightSheet)
{
    const QString path = Path("Invitees.xls");
    ASSERT_TRUE(SheetFixtures::WriteXls(path, {{"Guests", {{kName, kFamily, kRelation}, {T("a"), T("b"), kBride}}}}));
    CGuestImport import(m_event.Doc());
    EXPECT_FALSE(import.ReadSheet(path));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text,
              QStringLiteral("קובץ המוזמנים צריך להקרא Guests.xls\r\nבכדי שהתוכנה תוכל לקרוא ממנו , ביחרו קובץ אחר"));
    EXPECT_EQ(Shown()[0].caption, QStringLiteral("אין נתונים קריאים בקובץ זה"));
    EXPECT_TRUE(import.Candidates().isEmpty());
}

TEST_F(SheetImportTest, XlsWithoutAGuestsSheetIsRefused)
{
    const QString path = Path("Guests.xls");
    ASSERT_TRUE(SheetFixtures::WriteXls(path, {{"Sheet1", {{kName, kFamily, kRelation}, {T("a"), T("b"), kBride}}}}));
    CGuestImport import(m_event.Doc());
    EXPECT_FALSE(import.ReadSheet(path));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("אין גיליון בשם Guests כנדרש"));
    EXPECT_EQ(Shown()[0].caption, kReadError);
}

TEST_F(SheetImportTest, EachMissingRequiredHeaderIsNamedAndNothingIsRead)
{
    const QList<QPair<QVariantList, QString>> cases = {
        {{kName, kFamily, kGroup}, QStringLiteral("לא נמצאה עמודת 'שיכות' כנדרש")},
        {{kName, kRelation}, QStringLiteral("לא נמצאה עמודת 'שם משפחה' כנדרש")},
        {{kFamily, kRelation}, QStringLiteral("לא נמצאה עמודת 'שם' כנדרש")},
    };
    int n = 0;
    for (const auto& [header, text] : cases) {
        const QString path = Path(QStringLiteral("missing%1.xlsx").arg(n++));
        ASSERT_TRUE(SheetFixtures::WriteXlsx(path, {{"Guests", {header, {T("a"), T("b"), T("c")}}}}));
        m_event.Messages().Forget();
        CGuestImport import(m_event.Doc());
        EXPECT_FALSE(import.ReadSheet(path));
        ASSERT_EQ(Shown().size(), 1);
        EXPECT_EQ(Shown()[0].text, text);
        EXPECT_EQ(Shown()[0].caption, kReadError);
        EXPECT_TRUE(import.Candidates().isEmpty());
    }
}

TEST_F(SheetImportTest, UnknownRelationAnsweredYesBecomesSharedAndNoKeepsTheRowsBefore)
{
    const QString path = Path("guests.xlsx");
    const QList<QVariantList> rows = {{kName, kFamily, kRelation},
                                      {T("דנה"), T("לוי"), T("חתן")},
                                      {T("Ann"), T("Lee"), T("friend")},
                                      {T("רון"), T("כהן"), kShared}};
    ASSERT_TRUE(SheetFixtures::WriteXlsx(path, {{"Guests", rows}}));

    CGuestImport yes(m_event.Doc());
    m_event.Messages().Answer({MSG_RESULT_YES});
    ASSERT_TRUE(yes.ReadSheet(path));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, QStringLiteral("למוזמן Ann Lee לא הוגדרה קירבה כראוי\r\nהאופציות הן החתן,הכלה,משותף\r\n"
                                              "הקירבה תאותחל ל- 'משותף' \r\n האם להמשיך?"));
    EXPECT_EQ(Shown()[0].caption, kReadError);
    EXPECT_EQ(Shown()[0].buttons, MSG_YES_NO);
    ASSERT_EQ(yes.Candidates().size(), 3);
    EXPECT_EQ(yes.Candidates()[0]->GetRelation(), kGroom);
    EXPECT_EQ(yes.Candidates()[1]->GetRelation(), kShared);

    m_event.Messages().Forget();
    CGuestImport no(m_event.Doc());
    m_event.Messages().Answer({MSG_RESULT_NO});
    ASSERT_TRUE(no.ReadSheet(path));
    EXPECT_EQ(Names(no), QStringList{QStringLiteral("דנה לוי")});
}

TEST_F(SheetImportTest, AnEmptyFirstRowReadsNothingAndFails)
{
    const QString path = Path("Guests.xls");
    ASSERT_TRUE(SheetFixtures::WriteXls(
        path, {{"Guests", {{kName, kFamily, kRelation}, {QVariant(), T("לוי"), kBride}, {T("רון"), T("כהן"), kBride}}}}));
    CGuestImport import(m_event.Doc());
    EXPECT_FALSE(import.ReadSheet(path));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, kReadError);
    EXPECT_EQ(Shown()[0].caption, kReadError);
    EXPECT_TRUE(import.Candidates().isEmpty());
}

TEST_F(SheetImportTest, CountsAreClampedAndJunkReadsZero)
{
    const QString path = Path("counts.xlsx");
    ASSERT_TRUE(SheetFixtures::WriteXlsx(path, {{"Guests",
                                                 {{kName, kFamily, kRelation, kInvited, kComing},
                                                  {T("a"), T("b"), kBride, T("-3"), T("abc")},
                                                  {T("c"), T("d"), kBride, 12000.0, -5.0},
                                                  {T("e"), T("f"), kBride, 7.0, T("2")}}}}));
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadSheet(path));
    ASSERT_EQ(import.Candidates().size(), 3);
    const QList<QPair<int, int>> counts = {{0, 0}, {9999, 0}, {7, 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(import.Candidates()[i]->GetInvited(), counts[i].first) << i;
        EXPECT_EQ(import.Candidates()[i]->GetComing(), counts[i].second) << i;
    }
}

TEST_F(SheetImportTest, XlsxWithoutAGuestsSheetReadsTheFirstOne)
{
    const QString path = Path("any name.xlsx");
    ASSERT_TRUE(SheetFixtures::WriteXlsx(path, {{"List", {{kName, kFamily, kRelation}, {T("a"), T("b"), kBride}}},
                                                {"Other", {{kName, kFamily, kRelation}, {T("x"), T("y"), kBride}}}}));
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadSheet(path));
    EXPECT_EQ(Names(import), QStringList{QStringLiteral("a b")});

    const QString named = Path("named.xlsx");
    ASSERT_TRUE(SheetFixtures::WriteXlsx(named, {{"List", {{kName, kFamily, kRelation}, {T("a"), T("b"), kBride}}},
                                                 {"Guests", {{kName, kFamily, kRelation}, {T("x"), T("y"), kBride}}}}));
    ASSERT_TRUE(import.ReadSheet(named));
    EXPECT_EQ(Names(import), QStringList{QStringLiteral("x y")});
}

TEST_F(SheetImportTest, CsvInUtf8AndInWindows1255WithQuotedFields)
{
    const QString utf8 = Path("utf8.csv");
    ASSERT_TRUE(TestFiles::Write(utf8, QStringLiteral("\xFEFFשם,שם משפחה,שיכות,כתובת\r\n"
                                                      "דנה,לוי,הכלה,\"הרצל 1, תל אביב\"\r\n"
                                                      "\"רון \"\"הגדול\"\"\",כהן,חתן,\r\n")
                                           .toUtf8()));
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadSheet(utf8));
    ASSERT_EQ(import.Candidates().size(), 2);
    EXPECT_EQ(import.Candidates()[0]->GetAddress(), QStringLiteral("הרצל 1, תל אביב"));
    EXPECT_EQ(import.Candidates()[1]->GetName(), QStringLiteral("רון \"הגדול\""));
    EXPECT_EQ(import.Candidates()[1]->GetRelation(), kGroom);

    const QString hebrew = Path("hebrew.csv");
    ASSERT_TRUE(TestFiles::Write(hebrew, TestFiles::Cp1255(QStringLiteral("שם,שם משפחה,שיכות\nדנה,לוי,כלה\n"))));
    ASSERT_TRUE(import.ReadSheet(hebrew));
    EXPECT_EQ(Names(import), QStringList{QStringLiteral("דנה לוי")});
    EXPECT_EQ(import.Candidates()[0]->GetRelation(), kBride);
}

TEST_F(SheetImportTest, AFileThatIsNoSpreadsheetFailsAndKeepsTheCandidates)
{
    const QString good = Path("good.csv");
    ASSERT_TRUE(TestFiles::Write(good, QStringLiteral("שם,שם משפחה,שיכות\nדנה,לוי,כלה\n").toUtf8()));
    CGuestImport import(m_event.Doc());
    ASSERT_TRUE(import.ReadSheet(good));

    const QString broken = Path("broken.xlsx");
    ASSERT_TRUE(TestFiles::Write(broken, QByteArray("PK\x03\x04 not really a zip", 24)));
    EXPECT_FALSE(import.ReadSheet(broken));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_EQ(Shown()[0].text, kReadError);
    EXPECT_EQ(Names(import), QStringList{QStringLiteral("דנה לוי")});
    EXPECT_FALSE(import.ReadSheet(Path("missing.xls")));
    EXPECT_EQ(Names(import), QStringList{QStringLiteral("דנה לוי")});
}
