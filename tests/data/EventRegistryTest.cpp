#include "data/storage/DataLocation.h"
#include "data/storage/EventRegistry.h"
#include "data/storage/IniFile.h"
#include "data/settings/Settings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class EventRegistryTest : public ::testing::Test
{
protected:
    void MakeEvent(const QString& id, const QString& eveName = QString(), const QString& bride = QString(),
                   const QString& groom = QString())
    {
        const QString folder = m_home.DataFolder() + "/" + id;
        ASSERT_TRUE(QDir().mkpath(folder));
        QByteArray ini;
        if (!eveName.isNull())
            ini += "[GenSettings]\r\nEveName=" + TestFiles::Cp1255(eveName) + "\r\n";
        ini += "[KeySettings]\r\nBrideName=" + TestFiles::Cp1255(bride) + "\r\nGroumName=" +
               TestFiles::Cp1255(groom) + "\r\n";
        ASSERT_TRUE(TestFiles::Write(folder + "/Settings.ini", ini));
    }
    void SetActive(const QByteArray& id)
    {
        ASSERT_TRUE(TestFiles::Write(m_home.DataFolder() + "/events.ini", "[Events]\r\nActive=" + id + "\r\n"));
    }
    QStringList Ids(const CEventRegistry& registry) const
    {
        QStringList ids;
        for (int i = 0; i < registry.Count(); ++i)
            ids << registry.At(i)->GetId();
        return ids;
    }

    TestFiles::ScopedHome m_home;
    CDataLocation m_location;
    CEventRegistry m_registry{m_location};
    CSettings m_settings;
};

TEST_F(EventRegistryTest, DataFolderLiesUnderTheUsersDataHome)
{
    EXPECT_EQ(m_location.GetDataFolder(), m_home.DataFolder());
    EXPECT_TRUE(QFileInfo(m_home.Path() + "/data/Kalinora/Heb").isDir());
    EXPECT_FALSE(QFileInfo::exists(m_home.DataFolder()));
    EXPECT_EQ(m_location.GetEventsRegistryPath(), m_home.DataFolder() + "/events.ini");
    EXPECT_EQ(m_location.GetFilePath(FC_WEDDING_DATA), m_home.DataFolder() + "/DB/WeddingData.xml");
    EXPECT_TRUE(m_location.GetFilePath(13).isEmpty());
    EXPECT_TRUE(m_location.GetFilePath(-1).isEmpty());

    EXPECT_EQ(m_location.GetEventFolder(), m_home.DataFolder() + "/DB");
    EXPECT_TRUE(QFileInfo(m_home.DataFolder() + "/DB").isDir());
    EXPECT_TRUE(QFileInfo(m_location.GetBackupFolder()).isDir());
}

TEST_F(EventRegistryTest, AppSettingsPathClimbsOutOfTheEventFolder)
{
    MakeEvent("DB1");
    m_location.SetEventFolder(m_home.DataFolder() + "/DB1");
    const QString path = m_location.GetFilePath(FC_APP_SETTINGS);
    EXPECT_EQ(path, m_home.DataFolder() + "/DB1/../AppSettings.ini");
    EXPECT_EQ(QDir::cleanPath(path), m_home.DataFolder() + "/AppSettings.ini");
}

TEST_F(EventRegistryTest, WithoutRegistryTheFirstFolderIsNamedAfterTheCouple)
{
    MakeEvent("DB", QString(), QString("רחל"), QString("יעקב"));
    m_registry.Discover(m_settings);
    ASSERT_EQ(m_registry.Count(), 1);
    EXPECT_EQ(m_registry.Active()->GetId(), "DB");
    EXPECT_EQ(m_registry.Active()->GetName(), QString("החתונה של רחל ויעקב"));
    EXPECT_EQ(m_settings.GetEveName(), QString("החתונה של רחל ויעקב"));
    EXPECT_TRUE(m_settings.IsModified());
    EXPECT_EQ(m_location.CurrentEventFolder(), m_home.DataFolder() + "/DB");
}

TEST_F(EventRegistryTest, WithoutRegistryOrCoupleTheNameIsEmpty)
{
    m_registry.Discover(m_settings);
    ASSERT_EQ(m_registry.Count(), 1);
    EXPECT_EQ(m_registry.Active()->GetName(), "");
    EXPECT_FALSE(QFileInfo::exists(m_home.DataFolder())) << "discovery writes nothing";
}

TEST_F(EventRegistryTest, ScanStopsAtTheFirstGapAndTheNextEventFillsIt)
{
    MakeEvent("DB", "one");
    MakeEvent("DB1", "two");
    MakeEvent("DB3", "four");
    SetActive("DB1");
    m_registry.Discover(m_settings);
    EXPECT_EQ(Ids(m_registry), (QStringList{"DB", "DB1"}));
    EXPECT_EQ(m_registry.Active()->GetName(), "two");
    EXPECT_EQ(m_settings.GetEveName(), "two");

    CZelEvent* created = m_registry.CreateNextEvent();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetId(), "DB2");
    EXPECT_EQ(m_registry.Active(), created);
    EXPECT_TRUE(QFileInfo(m_home.DataFolder() + "/DB2").isDir());
    EXPECT_EQ(m_location.CurrentEventFolder(), m_home.DataFolder() + "/DB2");

    ASSERT_TRUE(m_registry.WriteActive());
    EXPECT_EQ(TestFiles::Read(m_home.DataFolder() + "/events.ini"), "[Events]\r\nActive=DB2\r\n");
}

TEST_F(EventRegistryTest, UnknownActiveIdMakesTheFirstEventActive)
{
    MakeEvent("DB", "one");
    MakeEvent("DB1", "two");
    SetActive("DB7");
    m_registry.Discover(m_settings);
    EXPECT_EQ(m_registry.Active()->GetId(), "DB");
}

TEST_F(EventRegistryTest, NamelessEventsGetUniqueNames)
{
    MakeEvent("DB");
    MakeEvent("DB1");
    MakeEvent("DB2", QString(), QString("רחל"), QString("יעקב"));
    MakeEvent("DB3", QString(), QString("רחל"));
    SetActive("DB");
    m_registry.Discover(m_settings);
    ASSERT_EQ(m_registry.Count(), 4);
    EXPECT_EQ(m_registry.At(0)->GetName(), QString("ארוע 1"));
    EXPECT_EQ(m_registry.At(1)->GetName(), QString("ארוע 2"));
    EXPECT_EQ(m_registry.At(2)->GetName(), QString("החתונה של רחל ויעקב 1"));
    EXPECT_EQ(m_registry.At(3)->GetName(), QString("ארוע 3"));
}

TEST_F(EventRegistryTest, CoupleNamesAreNotReadAsPlaceholders)
{
    EXPECT_EQ(CEventRegistry::CoupleName("%s%d", "100%"), QString("החתונה של %s%d ו100%"));
}

}
