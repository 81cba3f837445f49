#include "data/settings/AppSettings.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/settings/Settings.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void TearDown() override { Language::Set(UiLanguage::Hebrew); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(SettingsTest, DefaultsOfAMissingFile)
{
    CSettings settings;
    settings.Load(Path("none.ini"));
    EXPECT_EQ(settings.GetDolarToShekel(), 0.0);
    EXPECT_EQ(settings.GetLastUIMode(), 3);
    EXPECT_EQ(settings.GetNumberOfGuestsInTable(), 10);
    EXPECT_EQ(settings.GetKidsPresent(), 50);
    EXPECT_EQ(settings.GetLastGuestUniqueId(), 1000);
    EXPECT_EQ(settings.GetTableCard().line1, QString("ברוכים הבאים"));
    EXPECT_EQ(settings.GetTableCard().line4Start, QString("שולחן"));
    EXPECT_EQ(settings.GetTableCard().width, 220);
    EXPECT_EQ(settings.GetAddressCard().line1, QString("לכבוד"));
    EXPECT_EQ(settings.GetAddressCard().borderColor, "black");
    EXPECT_EQ(settings.KeyMap().size(), 24 + 9);
    EXPECT_EQ(settings.KeyMap().front().first, "GroumName");
    EXPECT_EQ(settings.KeyMap()[23].first, "SmsMessage");
    EXPECT_EQ(settings.Key("GV_GROUP"), "258");
    EXPECT_FALSE(settings.IsModified());
    // Nothing changed, nothing written.
    EXPECT_TRUE(settings.Save(Path("none.ini")));
    EXPECT_FALSE(QFileInfo::exists(Path("none.ini")));
}

TEST_F(SettingsTest, ColumnWidthDefaultsFollowTheLanguage)
{
    Language::Set(UiLanguage::English);
    CSettings settings;
    EXPECT_EQ(settings.Key("GV_APROVED"), "100");
    EXPECT_EQ(settings.Key("GV_FAMILY_NAME"), "153");
    EXPECT_EQ(settings.Key("GV_INVITED"), "0");
}

TEST_F(SettingsTest, NegativeRateReadsAsFourAndAHalf)
{
    const QString path = Path("Settings.ini");
    TestFiles::Write(path, "[GenSettings]\r\nDolarToShekel=-1.00\r\n");
    CSettings settings;
    settings.Load(path);
    EXPECT_EQ(settings.GetDolarToShekel(), 4.5);
    TestFiles::Write(path, "[GenSettings]\r\nDolarToShekel=3.85abc\r\n");
    settings.Load(path);
    EXPECT_DOUBLE_EQ(settings.GetDolarToShekel(), 3.85);
}

TEST_F(SettingsTest, SaveWritesEveryKeyOnceChangedAndReadsBackTheSame)
{
    const QString path = Path("Settings.ini");
    TestFiles::Write(path, "[Unknown]\r\nkeep=me\r\n");
    CSettings settings;
    settings.Load(path);
    EXPECT_FALSE(settings.SetLastUIMode(3));
    EXPECT_FALSE(settings.IsModified());
    EXPECT_TRUE(settings.SetDolarToShekel(3.6));
    EXPECT_TRUE(settings.SetKey("SmsMessage", QString(600, QChar(0x05D0))));
    EXPECT_FALSE(settings.SetKey("NotAKey", "x"));
    EXPECT_TRUE(settings.SetEveName(QString("בר מצווה")));
    ASSERT_TRUE(settings.Save(path));
    EXPECT_FALSE(settings.IsModified());

    const CIniFile file(path);
    EXPECT_EQ(file.GetString("Unknown", "keep"), "me");
    EXPECT_EQ(file.GetString("GenSettings", "DolarToShekel"), "3.60");
    EXPECT_EQ(file.GetString("GenSettings", "ArrangeTableByHallNumber"), "0");
    EXPECT_FALSE(file.HasKey("GenSettings", "KidsPresent"));
    EXPECT_FALSE(file.HasKey("KeySettings", "NotAKey"));
    EXPECT_EQ(file.GetString("TableNotesSettings", "Line1"), QString("ברוכים הבאים"));
    EXPECT_EQ(file.GetString("AddressCardsSettings", "AC_Width"), "220");
    EXPECT_FALSE(file.HasKey("AddressCardsSettings", "AC_Line4Start"));
    EXPECT_TRUE(TestFiles::Read(path).contains("EveName=" + TestFiles::Cp1255("בר מצווה") + "\r\n"));

    CSettings again;
    again.Load(path);
    // Values this program writes itself come back whole, however long.
    EXPECT_EQ(again.Key("SmsMessage").size(), 600);
    EXPECT_DOUBLE_EQ(again.GetDolarToShekel(), 3.6);
    EXPECT_EQ(again.GetEveName(), QString("בר מצווה"));
}

TEST_F(SettingsTest, KidsPresentIsWrittenOnlyWhenNotFifty)
{
    const QString path = Path("Settings.ini");
    CSettings settings;
    settings.SetKidsPresent(60);
    ASSERT_TRUE(settings.Save(path));
    EXPECT_EQ(CIniFile(path).GetInt("GenSettings", "KidsPresent", 0), 60);
    settings.SetKidsPresent(50);
    ASSERT_TRUE(settings.Save(path));
    EXPECT_FALSE(CIniFile(path).HasKey("GenSettings", "KidsPresent"));
    settings.Load(path);
    EXPECT_EQ(settings.GetKidsPresent(), 50);
}

TEST_F(SettingsTest, FtpPasswordIsKeptOnlyWhileSavingItIsAllowed)
{
    const QString path = Path("Settings.ini");
    CSettings settings;
    settings.SetFtpPassword("secret");
    settings.SetFtpSavePass(true);
    ASSERT_TRUE(settings.Save(path));
    EXPECT_EQ(CIniFile(path).GetString("FTPSettings", "FTPP"), "secret");
    EXPECT_EQ(CIniFile(path).GetString("FtpSettings", "FtpSavePass"), "1");
    settings.SetFtpSavePass(false);
    ASSERT_TRUE(settings.Save(path));
    EXPECT_FALSE(CIniFile(path).HasKey("FTPSettings", "FTPP"));
    EXPECT_EQ(CIniFile(path).GetString("FtpSettings", "FtpSavePass"), "0");
}

TEST_F(SettingsTest, AnUnwritableFileKeepsTheSettingsModified)
{
    CSettings settings;
    settings.SetEventType(2);
    EXPECT_FALSE(settings.Save(Path("missing/Settings.ini")));
    EXPECT_TRUE(settings.IsModified());
}

TEST_F(SettingsTest, GuestsCountIsRewrittenOnItsOwn)
{
    const QString path = Path("Settings.ini");
    ASSERT_TRUE(CSettings::WriteGuestsCount(path, 12));
    ASSERT_TRUE(CSettings::WriteGuestsCount(path, 13));
    EXPECT_EQ(TestFiles::Read(path), "[GuestsCount]\r\nGuestsCount=13\r\n");
}

TEST_F(SettingsTest, AppSettingsDefaultsAndKeyMap)
{
    const QString path = Path("AppSettings.ini");
    TestFiles::Write(path, "[KeySettings]\r\nTipOfDayItem=4\r\nOther=1\r\n");
    CAppSettings app;
    app.Load(path);
    QString value = "untouched";
    EXPECT_TRUE(app.GetAutoSaveOnExit());
    EXPECT_TRUE(app.GetCheckForUpdates());
    EXPECT_TRUE(app.GetShowTips());
    EXPECT_FALSE(app.GetDontShowNonCommingInTableReport());
    EXPECT_EQ(app.GetBackUpEvery(), 10);
    EXPECT_EQ(app.GetUpTime(), 0);
    EXPECT_EQ(app.KeyMap().size(), 3);
    EXPECT_EQ(app.Key("TipOfDayItem"), "4");
    // Empty: the approvals site is the program's own.
    EXPECT_TRUE(app.GetKey("ApprovalsSite", value));
    EXPECT_TRUE(value.isEmpty());
    value = "untouched";
    EXPECT_FALSE(app.GetKey("Other", value));
    EXPECT_EQ(value, "untouched");
}

TEST_F(SettingsTest, BackupIntervalSetterAlwaysMarksModified)
{
    CAppSettings app;
    app.Load(Path("AppSettings.ini"));
    app.SetBackUpEvery(10);
    EXPECT_TRUE(app.IsModified());
}

TEST_F(SettingsTest, UpTimeGrowsOnlyInRunsThatChangedSomething)
{
    const QString path = Path("AppSettings.ini");
    TestFiles::Write(path, "[GenSettings]\r\nUpTime=100\r\n");
    {
        CAppSettings unchanged;
        unchanged.Load(path);
        QThread::msleep(1100);
        ASSERT_TRUE(unchanged.Save(path));
    }
    EXPECT_EQ(CIniFile(path).GetInt("GenSettings", "UpTime", 0), 100);

    CAppSettings changed;
    changed.Load(path);
    QThread::msleep(1100);
    changed.SetShowTips(false);
    ASSERT_TRUE(changed.Save(path));
    const CIniFile file(path);
    EXPECT_GE(file.GetInt("GenSettings", "UpTime", 0), 101);
    EXPECT_EQ(file.GetString("GenSettings", "ShowTips"), "0");
    EXPECT_EQ(file.GetString("GenSettings", "AutoSaveOnExit"), "1");
    EXPECT_EQ(file.GetString("GenSettings", "BACK_UP_EVERY"), "10");
}

}
