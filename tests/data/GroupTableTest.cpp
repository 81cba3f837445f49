#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/storage/IniFile.h"
#include "data/records/RecordOwner.h"
#include "data/records/Table.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An event in miniature: tables numbered by their place, guests seated by number.
class Hall : public IRecordOwner
{
public:
    ~Hall() override
    {
        qDeleteAll(guests);
        qDeleteAll(tables);
    }
    CTable* AddTable(int seats)
    {
        auto* table = new CTable(this, &counters);
        table->SetSeats(seats);
        tables.append(table);
        return table;
    }
    CGuest* Seat(const QString& name, int table, int coming, int invited, int came)
    {
        auto* guest = new CGuest(nullptr, this);
        guest->SetName(name);
        guest->SetTableIndex(table);
        guest->SetComing(coming);
        guest->SetInvited(invited);
        guest->SetCameCount(came);
        guests.append(guest);
        return guest;
    }

    const QList<CGuest*>& GetGuests() const override { return guests; }
    CGuest* FindGuestByFullName(const QString&) const override { return nullptr; }
    int TableNumberBySerial(int serial) const override
    {
        for (qsizetype i = 0; i < tables.size(); ++i) {
            if (tables[i]->GetSerial() == serial)
                return int(i);
        }
        return -1;
    }
    qint64 SeatedSum(int tableNumber, int mode) const override
    {
        int sum = 0;
        for (const CGuest* guest : guests) {
            if (guest->GetTableIndex() != tableNumber)
                continue;
            sum += mode == 0 ? guest->GetInvited() : mode == 1 ? guest->GetComing() : guest->GetCameCount();
        }
        return sum;
    }
    void GuestTableChanged(CGuest&) override {}

    CRecordCounters counters;
    QList<CGuest*> guests;
    QList<CTable*> tables;
};

// One of the older per-record files: Windows-1255 with CR LF.
CIniFile* OlderFile(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    const QString path = dir.filePath(name);
    TestFiles::Write(path, TestFiles::Cp1255(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return new CIniFile(path);
}

}

TEST(Table, ReadsTablesIniUpToTheFirstSectionWithoutNameNumberedByPlace)
{
    QTemporaryDir dir;
    std::unique_ptr<CIniFile> file(OlderFile(dir, QStringLiteral("Tables.ini"),
        {"[Table0]", "Name=", "Places=0",
         "[Table1]", "Name=חברים מהצבא", "Places=12", "InHall=5", "TableLocX=10", "TableLocY=20",
         "TableSizeX=30", "TableSizeY=40", "Sc=255", "TableDrawColor=1", "ShapeClass=Round",
         "[Table2]", "Places=8",
         "[Table3]", "Name=אחרי הפער"}));
    CRecordCounters counters;
    CTable earlier(nullptr, &counters); // the counter no longer matches the places in the file
    const QList<CTable*> tables = CTable::LoadAllIni(*file, nullptr, &counters);
    const std::unique_ptr<CTable> first(tables.value(0)), second(tables.value(1));
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(counters.tables.Last(), 2);

    EXPECT_EQ(first->GetId(), 0);
    EXPECT_TRUE(first->GetName().isEmpty());
    EXPECT_EQ(first->GetSeats(), 0);
    EXPECT_EQ(first->GetColor(), 0xE1E1E1);
    EXPECT_EQ(first->GetShapeClass(), QStringLiteral("Table"));
    EXPECT_EQ(first->GetArea(), CTable::Area());
    EXPECT_FALSE(first->IsNew());
    EXPECT_FALSE(first->IsModified());

    EXPECT_EQ(second->GetId(), 1);
    EXPECT_EQ(second->GetSection(), QStringLiteral("Table1"));
    EXPECT_EQ(second->GetName(), QStringLiteral("חברים מהצבא"));
    EXPECT_EQ(second->GetSeats(), 12);
    EXPECT_EQ(second->GetHallNumber(), 5);
    EXPECT_EQ(second->GetArea(), (CTable::Area{10, 20, 40, 60}));
    EXPECT_EQ(second->GetColor(), 255);
    EXPECT_EQ(second->GetDrawStyle(), 1);
    EXPECT_EQ(second->GetShapeClass(), QStringLiteral("Round"));
    EXPECT_FALSE(second->IsModified());

    QByteArray xml;
    ASSERT_TRUE(second->WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Table>\r\n"
                              "<tName><![CDATA[חברים מהצבא]]></tName>\r\n"
                              "<tSeats>12</tSeats>\r\n"
                              "<tNumHall>5</tNumHall>\r\n"
                              "<tClass><![CDATA[Round]]></tClass>\r\n"
                              "<tCordX>10</tCordX>\r\n"
                              "<tCordY>20</tCordY>\r\n"
                              "<tWidth>30</tWidth>\r\n"
                              "<tHeight>40</tHeight>\r\n"
                              "<tColor>255</tColor>\r\n"
                              "<tdStyle>1</tdStyle>\r\n"
                              "</Table>\r\n"
                              "\r\n"));
}

TEST(Table, AnAreaBeyondTheIntegerRangeIsClampedNotWrapped)
{
    QTemporaryDir dir;
    std::unique_ptr<CIniFile> file(OlderFile(dir, QStringLiteral("Tables.ini"),
        {"[Table0]", "Name=huge", "TableLocX=2000000000", "TableLocY=-2000000000", "TableSizeX=2000000000",
         "TableSizeY=-2000000000"}));
    CTable table(nullptr);
    ASSERT_TRUE(table.LoadIni(*file, QStringLiteral("Table0")));
    EXPECT_EQ(table.GetArea().left, 2000000000);
    EXPECT_EQ(table.GetArea().right, INT_MAX);
    EXPECT_EQ(table.GetArea().bottom, INT_MIN);
}

TEST(Table, NewTableDefaultsSettersAndFlags)
{
    CRecordCounters counters;
    CTable table(nullptr, &counters);
    EXPECT_EQ(table.GetId(), 0);
    EXPECT_EQ(table.GetSeats(), 10);
    EXPECT_EQ(table.GetColor(), 0xE1E1E1);
    EXPECT_EQ(table.GetShapeClass(), QStringLiteral("Table"));
    EXPECT_FALSE(table.SetSeats(10));
    EXPECT_FALSE(table.SetArea(CTable::Area()));
    EXPECT_FALSE(table.IsModified());
    EXPECT_TRUE(table.SetArea({5, 5, 105, 55}));
    EXPECT_EQ(table.GetArea().Width(), 100);
    EXPECT_EQ(table.GetArea().Height(), 50);

    table.ClearFlags();
    EXPECT_FALSE(table.IsModified());
    EXPECT_TRUE(table.IsNew()); // a table stays new until it is placed

    table.MakeSection();
    EXPECT_EQ(table.GetSection(), QStringLiteral("Table0"));
    table.ReleaseId();
    EXPECT_EQ(counters.tables.Last(), -1);
}

TEST(Table, CountsThePeopleSeatedAtIt)
{
    Hall hall;
    hall.AddTable(0);
    CTable& table = *hall.AddTable(10);
    CTable& empty = *hall.AddTable(8);
    hall.Seat(QStringLiteral("רותי"), 1, 3, 4, 1);
    hall.Seat(QStringLiteral("אבי"), 1, 4, 5, 0);
    hall.Seat(QStringLiteral("דני"), 2, 0, 2, 0);
    hall.Seat(QStringLiteral("גיל"), 0, 2, 2, 0);

    EXPECT_EQ(table.CountPeople(CTable::CountInvited), 9);
    EXPECT_EQ(table.CountPeople(CTable::CountComing), 7);
    EXPECT_EQ(table.CountPeople(CTable::CountArrived), 1);
    EXPECT_EQ(table.FreeSeats(), 3);
    EXPECT_EQ(table.FreeSeatsByArrival(), 9);
    EXPECT_TRUE(table.HasComingGuests());
    EXPECT_FALSE(empty.HasComingGuests());
    EXPECT_EQ(empty.FreeSeats(), 8);

    const QList<CGuest*> inOrder = table.ListGuests(false);
    ASSERT_EQ(inOrder.size(), 2);
    EXPECT_EQ(inOrder[0]->GetName(), QStringLiteral("רותי"));
    const QList<CGuest*> byName = table.ListGuests(true);
    ASSERT_EQ(byName.size(), 2);
    EXPECT_EQ(byName[0]->GetName(), QStringLiteral("אבי"));

    CTable outside(&hall); // not in the hall's list
    EXPECT_EQ(outside.CountPeople(CTable::CountComing), 0);
    EXPECT_TRUE(outside.ListGuests(false).isEmpty());

    CTable alone(nullptr);
    EXPECT_EQ(alone.CountPeople(CTable::CountComing), -1);
    EXPECT_EQ(alone.FreeSeats(), -1);
    EXPECT_EQ(alone.FreeSeatsByArrival(), -1);
    EXPECT_FALSE(alone.HasComingGuests());
}

TEST(Table, CopyToGivesNameNotesHallNumberAndSeats)
{
    CTable source(nullptr);
    source.SetName(QStringLiteral("משפחה"));
    source.SetNotes(QStringLiteral("ליד הבמה"));
    source.SetHallNumber(7);
    source.SetSeats(14);
    source.SetColor(0x123456);
    CTable target(nullptr);
    source.CopyTo(target);
    EXPECT_EQ(target.GetName(), QStringLiteral("משפחה"));
    EXPECT_EQ(target.GetNotes(), QStringLiteral("ליד הבמה"));
    EXPECT_EQ(target.GetHallNumber(), 7);
    EXPECT_EQ(target.GetSeats(), 14);
    EXPECT_EQ(target.GetColor(), 0xE1E1E1);
    EXPECT_TRUE(target.IsModified());
}

TEST(Group, ReadsGroupsIniUpToTheFirstEmptyName)
{
    QTemporaryDir dir;
    std::unique_ptr<CIniFile> file(OlderFile(dir, QStringLiteral("Groups.ini"),
        {"[Group0]", "GroupName=משפחת הכלה", "[Group1]", "groupname=חברים", "[Group2]", "GroupName=",
         "[Group3]", "GroupName=אחרי הפער"}));
    CRecordCounters counters;
    const QList<CGroup*> groups = CGroup::LoadAllIni(*file, nullptr, &counters);
    const std::unique_ptr<CGroup> first(groups.value(0)), second(groups.value(1));
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(counters.groups.Last(), 1);
    EXPECT_EQ(first->GetName(), QStringLiteral("משפחת הכלה"));
    EXPECT_EQ(second->GetName(), QStringLiteral("חברים"));
    EXPECT_EQ(second->GetId(), 1);
    EXPECT_EQ(second->GetSection(), QStringLiteral("Group1"));
    EXPECT_FALSE(second->IsNew());
    EXPECT_FALSE(second->IsModified());

    QByteArray xml;
    ASSERT_TRUE(first->WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Group>\r\n<grName><![CDATA[משפחת הכלה]]></grName>\r\n</Group>\r\n\r\n"));
}

TEST(Group, IsUsedComparesCaseSensitivelyAndNamesSwapThroughAThird)
{
    Hall hall;
    hall.Seat(QStringLiteral("Dan"), 0, 2, 2, 0)->SetGroupName(QStringLiteral("Friends"));
    CGroup used(&hall);
    used.SetName(QStringLiteral("Friends"));
    CGroup otherCase(&hall);
    otherCase.SetName(QStringLiteral("friends"));
    EXPECT_TRUE(used.IsUsed());
    EXPECT_FALSE(otherCase.IsUsed());
    EXPECT_FALSE(CGroup(nullptr).IsUsed());

    CGroup temp(nullptr);
    used.CopyNameTo(temp);
    otherCase.CopyNameTo(used);
    temp.CopyNameTo(otherCase);
    EXPECT_EQ(used.GetName(), QStringLiteral("friends"));
    EXPECT_EQ(otherCase.GetName(), QStringLiteral("Friends"));
    EXPECT_TRUE(otherCase.IsUsed());
}
