#include "guests/core/UnansweredCsv.h"

#include "ViewTestEvent.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kCaption = QStringLiteral("יצוא מוזמנים שלא ענו");

class UnansweredCsvTest : public ::testing::Test
{
protected:
    QString Path() const { return m_dir.path() + QStringLiteral("/Guests.csv"); }

    CViewTestEvent m_event;
    QTemporaryDir m_dir;
};

}

TEST_F(UnansweredCsvTest, OnlyGuestsWhoHaveNotAnsweredInTheCodePage)
{
    m_event.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), 2, 0, {}, {}, 0)->SetPhone("03-1");
    m_event.AddGuest("Came", "Yes", 2, 0, {}, {}, 1);
    m_event.AddGuest("Will", "Not", 2, 0, {}, {}, 2);
    CGuest* unset = m_event.AddGuest("Ron", "Cohen", 2, 0, {}, {}, 3);
    unset->SetInvited(5);
    m_event.AddGuest(QString(), QString(), 2, 0, {}, {}, 0);

    ASSERT_EQ(CUnansweredCsv::Export(m_event.Doc(), Path()), CUnansweredCsv::Result::Written);
    const QByteArray expected = TestFiles::Cp1255(QStringLiteral("שם האורח,מס' טלפון ראשי,מס' טלפון נוסף,מס' אורחים משוער\n"
                                                                 "דנה לוי,03-1,,2\n"
                                                                 "Ron Cohen,,,5\n"));
    EXPECT_EQ(TestFiles::Read(Path()), expected);
    EXPECT_TRUE(m_event.Messages().ShownMessages().isEmpty());
}

TEST_F(UnansweredCsvTest, AFieldWithACommaOrAQuoteIsQuoted)
{
    m_event.AddGuest("Levi, Dana", "", 2, 0, {}, {}, 0)->SetPhone("03 \"home\"");
    ASSERT_EQ(CUnansweredCsv::Export(m_event.Doc(), Path()), CUnansweredCsv::Result::Written);
    EXPECT_EQ(TestFiles::Read(Path()),
              TestFiles::Cp1255(QStringLiteral("שם האורח,מס' טלפון ראשי,מס' טלפון נוסף,מס' אורחים משוער\n")) +
                  QByteArray("\"Levi, Dana\",\"03 \"\"home\"\"\",,2\n"));
}

TEST_F(UnansweredCsvTest, NobodyLeftWritesNoFileAndSaysSo)
{
    m_event.AddGuest("Came", "Yes", 2, 0, {}, {}, 1);
    EXPECT_EQ(CUnansweredCsv::Export(m_event.Doc(), Path()), CUnansweredCsv::Result::NobodyLeft);
    EXPECT_FALSE(QFileInfo::exists(Path()));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("כל המוזמנים כבר ענו להזמנה\r\nלא נכתב קובץ"));
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].caption, kCaption);
}

TEST_F(UnansweredCsvTest, NamesTheCodePageCannotCarryAreNamed)
{
    m_event.AddGuest(QStringLiteral("Zoë"), "Łukasz", 2, 0, {}, {}, 0);
    m_event.AddGuest("Plain", "Name", 2, 0, {}, {}, 0);
    ASSERT_EQ(CUnansweredCsv::Export(m_event.Doc(), Path()), CUnansweredCsv::Result::Written);
    EXPECT_TRUE(TestFiles::Read(Path()).endsWith("\nZo? ?ukasz,,,2\nPlain Name,,,2\n"));
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text,
              QStringLiteral("בפרטי המוזמנים הבאים יש תווים שלא ניתן לכתוב בקובץ, והם נכתבו כסימני שאלה:\r\n1. Zoë Łukasz\r\n"));
}

TEST_F(UnansweredCsvTest, AFailedWriteLeavesTheOldFileWhole)
{
    m_event.AddGuest("Dana", "Levi", 2, 0, {}, {}, 0);
    const QString missing = m_dir.path() + QStringLiteral("/no such folder/Guests.csv");
    EXPECT_EQ(CUnansweredCsv::Export(m_event.Doc(), missing), CUnansweredCsv::Result::WriteFailed);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_TRUE(m_event.Messages().ShownMessages()[0].text.startsWith(QStringLiteral("לא ניתן לכתוב את הקובץ\r\n")));
}
