// General.ini: the defaults of a missing file, the values of a real one, and REALTIME written back.
#include "data/settings/GeneralIni.h"
#include "data/storage/IniFile.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GeneralIni, AMissingFileGivesTheDefaults)
{
    QTemporaryDir dir;
    CGeneralIni general;
    EXPECT_FALSE(general.Load(dir.filePath(QStringLiteral("General.ini"))));
    EXPECT_FALSE(general.RealTime());
    EXPECT_TRUE(general.NewVersionUrl().isEmpty());
    EXPECT_EQ(general.SiteUrl(), CGeneralIni::DefaultSiteUrl());
    EXPECT_FALSE(general.PhoneLink().isEmpty());
    EXPECT_TRUE(general.NewsTabName().isEmpty());
    EXPECT_TRUE(general.NewsTabUrl().isEmpty());
    EXPECT_EQ(general.CommercialName(), QStringLiteral("פרסומת"));
    EXPECT_TRUE(general.CommercialUrl().isEmpty());
    EXPECT_FALSE(general.SupportPhone().isEmpty());
    EXPECT_FALSE(general.SalesEmail().isEmpty());
    for (int i = 0; i < CGeneralIni::kLinkButtons; ++i) {
        EXPECT_TRUE(general.Button(i).visible);
        EXPECT_TRUE(general.Button(i).label.isEmpty());
    }
}

TEST(GeneralIni, ReadsAHebrewFileOfThePrivateProfileKind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("General.ini"));
    const QString longUrl = QStringLiteral("http://example.com/") + QString(300, QLatin1Char('a'));
    TestFiles::Write(path, TestFiles::Cp1255(QStringLiteral(
                               "[general]\r\nrealtime=1\r\nNewVersionUrl=http://127.0.0.1/v.html\r\n"
                               "NewsTabName=חדשות\r\nNewsTabUrl=%1\r\n[Commercial]\r\nName=מבצעים\r\n"
                               "[Buttons]\r\nBtn2=0\r\n[Buttons-label]\r\nLbl1=אולמות\r\n"
                               "[Buttons-content]\r\nCnt1=http://halls.example.com\r\n")
                                                               .arg(longUrl)));
    CGeneralIni general;
    ASSERT_TRUE(general.Load(path));
    EXPECT_TRUE(general.RealTime());
    EXPECT_EQ(general.NewVersionUrl(), QStringLiteral("http://127.0.0.1/v.html"));
    EXPECT_EQ(general.NewsTabName(), QStringLiteral("חדשות"));
    EXPECT_EQ(general.NewsTabUrl(), longUrl.left(255)) << "read through a 256-byte buffer";
    EXPECT_EQ(general.CommercialName(), QStringLiteral("מבצעים"));
    EXPECT_FALSE(general.Button(2).visible);
    EXPECT_TRUE(general.Button(1).visible);
    EXPECT_EQ(general.Button(1).label, QStringLiteral("אולמות"));
    EXPECT_EQ(general.Button(1).content, QStringLiteral("http://halls.example.com"));
}

TEST(GeneralIni, RealTimeIsWrittenIntoTheSameFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("General.ini"));
    TestFiles::Write(path, TestFiles::Cp1255(QStringLiteral("[General]\r\nREALTIME=0\r\nNewsTabName=חדשות\r\n")));
    CGeneralIni general;
    general.Load(path);
    ASSERT_TRUE(general.WriteRealTime(true));
    EXPECT_EQ(TestFiles::Read(path), TestFiles::Cp1255(QStringLiteral("[General]\r\nREALTIME=1\r\nNewsTabName=חדשות\r\n")));
    CGeneralIni again;
    again.Load(path);
    EXPECT_TRUE(again.RealTime());
}

TEST(GeneralIni, TheInstalledCopyHoldsEveryKey)
{
    CGeneralIni general;
    const QString path = QStringLiteral(RAVIVAZ_RESOURCES "/General.ini");
    ASSERT_TRUE(general.Load(path));
    const CIniFile ini(path);
    for (const char* key : {"REALTIME", "NewVersionUrl", "UL", "PhoneLink", "NewsTabName", "NewsTabUrl", "SupportPhone",
                            "SalesPhone", "SalesEmail"})
        EXPECT_TRUE(ini.HasKey(QStringLiteral("General"), QString::fromLatin1(key))) << key;
    EXPECT_TRUE(ini.HasKey(QStringLiteral("Commercial"), QStringLiteral("Name")));
    EXPECT_TRUE(ini.HasKey(QStringLiteral("Commercial"), QStringLiteral("URL")));
    for (int i = 0; i < CGeneralIni::kLinkButtons; ++i) {
        EXPECT_TRUE(ini.HasKey(QStringLiteral("Buttons"), QStringLiteral("Btn%1").arg(i)));
        EXPECT_TRUE(ini.HasKey(QStringLiteral("Buttons-label"), QStringLiteral("Lbl%1").arg(i)));
        EXPECT_TRUE(ini.HasKey(QStringLiteral("Buttons-content"), QStringLiteral("Cnt%1").arg(i)));
    }
    EXPECT_FALSE(general.RealTime());
    EXPECT_EQ(general.CommercialName(), QStringLiteral("פרסומת"));
}
