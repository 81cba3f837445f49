#include "data/records/CheckPointInfo.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/records/Meeting.h"
#include "data/records/RecordCounters.h"
#include "data/records/ShortDate.h"
#include "data/records/Task.h"

#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

TEST(ShortDate, TextInBothLanguages)
{
    const ShortDate date{2024, 3, 5};
    EXPECT_EQ(date.ToText(), QStringLiteral("05.03.2024"));
    EXPECT_EQ((ShortDate{2024, 11, 12}).ToText(), QStringLiteral("12.11.2024"));
    EXPECT_EQ(ShortDate().ToText(), QStringLiteral("0.0.00"));
    EXPECT_EQ((ShortDate{0, 3, 5}).ToText(), QStringLiteral("05.03.00"));
    EXPECT_EQ(ShortDate::FromText(QStringLiteral("05.03.2024")), date);
    Language::Set(UiLanguage::English);
    EXPECT_EQ(date.ToText(), QStringLiteral("03.05.2024"));
    EXPECT_EQ(ShortDate::FromText(QStringLiteral("03.05.2024")), date);
    Language::Set(UiLanguage::Hebrew);
}

TEST(ShortDate, ReadsOnlyThreeNumbers)
{
    EXPECT_TRUE(ShortDate::FromText(QStringLiteral("0.0.0000")).IsEmpty());
    EXPECT_EQ(ShortDate::FromText(QStringLiteral("0.0.00")), ShortDate());
    EXPECT_EQ(ShortDate::FromText(QStringLiteral("7.1.99")), (ShortDate{99, 1, 7}));
    for (const char* text : {"", "abc", "1.2", "1.2.3.4", "1.x.2000", "70000.1.2000", "-1.2.2000"})
        EXPECT_TRUE(ShortDate::FromText(QLatin1String(text)).IsEmpty()) << text;
    EXPECT_LT((ShortDate{2023, 12, 31}), (ShortDate{2024, 1, 1}));
    EXPECT_LT((ShortDate{2024, 1, 30}), (ShortDate{2024, 2, 1}));
}

TEST(Meeting, OlderFileReadsDefaultsAndLineBreaks)
{
    CRecordCounters counters;
    const CIniFile file(TestFiles::Fixture(QStringLiteral("fixtures/finance/Meetings.ini")));
    QList<CMeeting*> read = CMeeting::LoadAllIni(file, &counters);
    std::vector<std::unique_ptr<CMeeting>> meetings(read.begin(), read.end());
    // Meeting2 has no Name, so Meeting3 is never read.
    ASSERT_EQ(meetings.size(), 2u);

    const CMeeting& nameOnly = *meetings[0];
    EXPECT_EQ(nameOnly.GetId(), 0);
    EXPECT_EQ(nameOnly.GetName(), QStringLiteral("פגישה עם הצלם"));
    EXPECT_EQ(nameOnly.GetDate(), (ShortDate{2003, 1, 1}));
    EXPECT_TRUE(nameOnly.GetNotes().isEmpty());
    EXPECT_TRUE(nameOnly.GetContactPhone().isEmpty());
    EXPECT_FALSE(nameOnly.IsNew());
    EXPECT_FALSE(nameOnly.IsModified());

    const CMeeting& tasting = *meetings[1];
    EXPECT_EQ(tasting.GetSection(), QStringLiteral("Meeting1"));
    EXPECT_EQ(tasting.GetNotes(), QStringLiteral("להביא יין\r\nלשאול על קינוחים"));
    EXPECT_EQ(tasting.GetContactJob(), QStringLiteral("מנהל הקיטרינג"));
    EXPECT_EQ(tasting.GetContactAddress(), QStringLiteral("משעול העוגות 9"));
    EXPECT_EQ(tasting.GetContactPhone(), QStringLiteral("03-1234567"));
    EXPECT_EQ(tasting.GetContactName(), QString(255, QChar(u'ש')));
    EXPECT_EQ(tasting.GetDate(), (ShortDate{2024, 11, 12}));

    CMeeting fresh(&counters);
    EXPECT_EQ(fresh.GetId(), 2);
    EXPECT_TRUE(fresh.IsNew());
    EXPECT_EQ(fresh.GetDate(), ShortDate::Today());
}

TEST(Meeting, SettersAndLineBreaksOfTheDataFile)
{
    CMeeting meeting;
    EXPECT_TRUE(meeting.SetContactName(QStringLiteral("דנה")));
    EXPECT_FALSE(meeting.SetContactName(QStringLiteral("דנה")));
    EXPECT_FALSE(meeting.SetDate(meeting.GetDate()));
    meeting.ClearFlags();
    EXPECT_FALSE(meeting.IsModified());
    EXPECT_TRUE(meeting.SetDate(ShortDate{2025, 6, 1}));
    EXPECT_TRUE(meeting.IsModified());

    // The data file's reader gives bare "\n"; breaks that already are "\r\n" stay as they are.
    meeting.SetNotes(QStringLiteral("א\nב\r\nג\n"));
    meeting.ClearFlags();
    EXPECT_EQ(meeting.GetNotes(), QStringLiteral("א\r\nב\r\nג\r\n"));
    meeting.ClearFlags();
    EXPECT_EQ(meeting.GetNotes(), QStringLiteral("א\r\nב\r\nג\r\n"));
    EXPECT_FALSE(meeting.IsModified());
}

TEST(Meeting, WriteXmlBytes)
{
    CMeeting meeting;
    meeting.SetName(QStringLiteral("טעימות"));
    meeting.SetNotes(QStringLiteral("יין\r\nקינוח"));
    meeting.SetContactJob(QStringLiteral("מנהל"));
    meeting.SetContactAddress(QStringLiteral("רמת גן"));
    meeting.SetContactPhone(QStringLiteral("03-1234567"));
    meeting.SetContactName(QStringLiteral("דנה"));
    meeting.SetDate(ShortDate{2024, 5, 9});
    QByteArray xml;
    EXPECT_TRUE(meeting.WriteXml(xml));
    EXPECT_EQ(xml, QByteArray("<Meeting>\r\n"
                              "<mName><![CDATA[טעימות]]></mName>\r\n"
                              "<mInfo><![CDATA[יין\r\nקינוח]]></mInfo>\r\n"
                              "<mContactJob><![CDATA[מנהל]]></mContactJob>\r\n"
                              "<mContactAdd><![CDATA[רמת גן]]></mContactAdd>\r\n"
                              "<mContactPhone><![CDATA[03-1234567]]></mContactPhone>\r\n"
                              "<mContactName><![CDATA[דנה]]></mContactName>\r\n"
                              "<mYear>2024</mYear>\r\n"
                              "<mMonth>5</mMonth>\r\n"
                              "<mDay>9</mDay>\r\n"
                              "</Meeting>\r\n\r\n"));
}

namespace {

// The ordering rule of the meetings list, step by step: passes of neighbour swaps, a swap only
// when the left date is strictly later (or strictly earlier, descending).
void BubbleSort(QList<CMeeting*>& meetings, bool ascending)
{
    for (int pass = 0; pass < meetings.size(); ++pass)
        for (int i = 0; i + 1 < meetings.size(); ++i) {
            const ShortDate& left = meetings[i]->GetDate();
            const ShortDate& right = meetings[i + 1]->GetDate();
            if (ascending ? right < left : left < right)
                std::swap(meetings[i], meetings[i + 1]);
        }
}

QString Names(const QList<CMeeting*>& meetings)
{
    QString names;
    for (const CMeeting* meeting : meetings)
        names += meeting->GetName();
    return names;
}

struct MeetingList
{
    std::vector<std::unique_ptr<CMeeting>> owned;
    QList<CMeeting*> list;

    void Add(const QString& name, const ShortDate& date)
    {
        owned.push_back(std::make_unique<CMeeting>());
        owned.back()->SetName(name);
        owned.back()->SetDate(date);
        list.append(owned.back().get());
    }
};

}

TEST(Meeting, SortKeepsSameDayOrderBothWays)
{
    MeetingList meetings;
    meetings.Add(QStringLiteral("A"), ShortDate{2024, 5, 1});
    meetings.Add(QStringLiteral("B"), ShortDate{2023, 1, 1});
    meetings.Add(QStringLiteral("C"), ShortDate{2024, 5, 1});
    meetings.Add(QStringLiteral("D"), ShortDate{2024, 4, 30});
    meetings.Add(QStringLiteral("E"), ShortDate{2023, 1, 1});

    CMeeting::SortByDate(meetings.list, false);
    EXPECT_EQ(Names(meetings.list), QStringLiteral("ACDBE"));
    CMeeting::SortByDate(meetings.list);
    EXPECT_EQ(Names(meetings.list), QStringLiteral("BEDAC"));
    CMeeting::SortByDate(meetings.list, false);
    EXPECT_EQ(Names(meetings.list), QStringLiteral("ACDBE"));

    // Owning lists sort the same way.
    CMeeting::SortByDate(meetings.owned);
    EXPECT_EQ(meetings.owned.front()->GetName(), QStringLiteral("B"));
    EXPECT_EQ(meetings.owned.back()->GetName(), QStringLiteral("C"));
}

TEST(Meeting, SortGivesTheOrderOfNeighbourSwaps)
{
    QRandomGenerator random(1255);
    for (int round = 0; round < 50; ++round) {
        MeetingList meetings;
        const int count = random.bounded(12);
        for (int i = 0; i < count; ++i)
            meetings.Add(QString(QChar(u'a' + i)),
                         ShortDate{quint16(2023 + random.bounded(2)), quint16(1 + random.bounded(2)), quint16(1 + random.bounded(2))});
        for (const bool ascending : {true, false}) {
            QList<CMeeting*> expected = meetings.list;
            BubbleSort(expected, ascending);
            CMeeting::SortByDate(meetings.list, ascending);
            EXPECT_EQ(Names(meetings.list), Names(expected));
        }
    }
}

namespace {

std::unique_ptr<CTask> NewTask(int id, const QString& name, const QString& info = QString(), bool checked = false)
{
    auto task = std::make_unique<CTask>();
    task->SetId(id);
    task->SetName(name);
    task->SetInfo(info);
    task->SetChecked(checked);
    return task;
}

}

TEST(Task, TasksIniRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tasks.ini"));
    const QString longInfo = QString(300, QChar(u'ת'));

    CTask root;
    root.SetId(1);
    root.SetName(QStringLiteral("משימות"));
    CTask* invitations = root.AddChild(NewTask(2, QStringLiteral("הזמנות"), QStringLiteral("לבחור עיצוב\r\nלהדפיס"), true));
    ASSERT_NE(invitations, nullptr);
    invitations->AddChild(NewTask(3, QStringLiteral("כתובות"), longInfo));
    root.AddChild(NewTask(4, QStringLiteral("צלם")));
    ASSERT_TRUE(root.Save(path));
    EXPECT_FALSE(root.IsModified());
    EXPECT_EQ(invitations->GetChild(0)->GetFile(), path);

    EXPECT_EQ(TestFiles::Read(path), TestFiles::Cp1255(QStringLiteral("[Task1]\r\nname=משימות\r\ninfo=\r\nchecked=0\r\n"
                                                                      "child0=2\r\nchild1=4\r\n"
                                                                      "[Task2]\r\nname=הזמנות\r\ninfo=לבחור עיצוב<..>להדפיס\r\n"
                                                                      "checked=1\r\nchild0=3\r\n"
                                                                      "[Task3]\r\nname=כתובות\r\ninfo="))
                                                       + TestFiles::Cp1255(longInfo)
                                                       + "\r\nchecked=0\r\n[Task4]\r\nname=\xf6\xec\xed\r\ninfo=\r\nchecked=0\r\n");

    CTask read;
    read.SetId(1);
    ASSERT_TRUE(read.Load(path));
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(read.GetName(), QStringLiteral("משימות"));
    ASSERT_EQ(read.GetChildCount(), 2);
    const CTask* first = read.GetChild(0);
    EXPECT_EQ(first->GetId(), 2);
    EXPECT_EQ(first->GetParent(), &read);
    EXPECT_EQ(first->GetInfo(), QStringLiteral("לבחור עיצוב\r\nלהדפיס"));
    EXPECT_TRUE(first->IsChecked());
    ASSERT_EQ(first->GetChildCount(), 1);
    // Values this program wrote itself are read whole, past the older files' 255-byte cut.
    EXPECT_EQ(first->GetChild(0)->GetInfo(), longInfo);
    EXPECT_EQ(read.GetChild(1)->GetName(), QStringLiteral("צלם"));
    EXPECT_FALSE(read.GetChild(1)->IsChecked());
    EXPECT_EQ(read.GetChild(1)->GetFile(), path);

    // Reading again replaces the tree instead of adding to it.
    ASSERT_TRUE(read.Load(path));
    EXPECT_EQ(read.GetChildCount(), 2);
}

TEST(Task, BareLineBreaksAreKeptInOneLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tasks.ini"));
    CTask root;
    root.SetInfo(QStringLiteral("א\nב\rג"));
    ASSERT_TRUE(root.Save(path));
    CTask read;
    read.SetId(root.GetId());
    read.Load(path);
    EXPECT_EQ(read.GetInfo(), QStringLiteral("א\r\nב\r\nג"));
}

TEST(Task, ChildListsEndAtReferencesBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tasks.ini"));
    ASSERT_TRUE(TestFiles::Write(path, TestFiles::Cp1255(QStringLiteral("[Task10]\r\nname=שורש\r\n"
                                                                         "child0=11\r\nchild1=12\r\nchild2=10\r\nchild3=13\r\n"
                                                                         "[Task11]\r\nname=עצמי\r\nchild0=11\r\nchild1=14\r\n"
                                                                         "[Task12]\r\nname=ענף\r\nchild0=15\r\nchild1=17\r\nchild2=abc\r\nchild3=18\r\n"
                                                                         "[Task15]\r\nname=נכד\r\nchild0=10\r\nchild1=16\r\n"
                                                                         "[Task13]\r\nname=לא נקרא\r\n"
                                                                         "[Task14]\r\nname=לא נקרא\r\n"
                                                                         "[Task16]\r\nname=לא נקרא\r\n"))));
    CRecordCounters counters;
    CTask root(&counters);
    root.SetId(10);
    ASSERT_TRUE(root.Load(path));
    // child2 names the root itself: the list ends and child3 is never read.
    ASSERT_EQ(root.GetChildCount(), 2);
    // A first child key naming the task itself leaves it without children.
    EXPECT_EQ(root.GetChild(0)->GetChildCount(), 0);
    const CTask* branch = root.GetChild(1);
    ASSERT_EQ(branch->GetChildCount(), 2);
    // A reference back to an ancestor ends the list as well, so the tree cannot loop.
    EXPECT_EQ(branch->GetChild(0)->GetName(), QStringLiteral("נכד"));
    EXPECT_EQ(branch->GetChild(0)->GetChildCount(), 0);
    // A child whose section is missing is a task without name or children; a value that is no id
    // ends the list.
    EXPECT_EQ(branch->GetChild(1)->GetId(), 17);
    EXPECT_TRUE(branch->GetChild(1)->GetName().isEmpty());
    EXPECT_EQ(branch->GetChild(1)->GetChildCount(), 0);
    // New tasks take ids above every id read.
    EXPECT_GT(CTask(&counters).GetId(), 17);
}

TEST(Task, DeepTreeFromAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tasks.ini"));
    const int depth = 100000;
    QByteArray bytes;
    for (int id = 1; id <= depth; ++id)
        bytes += "[Task" + QByteArray::number(id) + "]\r\nname=t\r\nchild0=" + QByteArray::number(id + 1) + "\r\n";
    ASSERT_TRUE(TestFiles::Write(path, bytes));
    auto root = std::make_unique<CTask>();
    root->SetId(1);
    ASSERT_TRUE(root->Load(path));
    int levels = 0;
    for (const CTask* task = root.get(); task->GetChildCount() > 0; task = task->GetChild(0))
        ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_FALSE(root->IsModified());
    root.reset();
}

TEST(Task, IdCounter)
{
    CRecordCounters counters;
    CTask first(&counters);
    CTask second(&counters);
    EXPECT_EQ(first.GetId(), 1);
    EXPECT_EQ(second.GetId(), 2);
    EXPECT_EQ(second.GetSection(), QStringLiteral("Task%1").arg(second.GetId()));
    const int raised = second.GetId() + 50;
    second.SetId(raised);
    EXPECT_EQ(second.GetSection(), QStringLiteral("Task%1").arg(raised));
    EXPECT_EQ(counters.LastTaskId(), raised + 1);
    // An id below the counter leaves it.
    first.SetId(1);
    EXPECT_EQ(counters.LastTaskId(), raised + 1);
    EXPECT_EQ(CTask(&counters).GetId(), raised + 2);
    // Another event's tasks count apart.
    CRecordCounters other;
    EXPECT_EQ(CTask(&other).GetId(), 1);
}

TEST(Task, ChildrenAndChanges)
{
    CTask root;
    EXPECT_EQ(root.AddChild(std::make_unique<CTask>()), nullptr);
    CTask* a = root.AddChild(NewTask(2, QStringLiteral("א")));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(root.AddChild(NewTask(a->GetId(), QStringLiteral("כפול"))), nullptr);
    CTask* b = a->AddChild(NewTask(3, QStringLiteral("ב")));
    CTask* c = a->AddChild(NewTask(4, QStringLiteral("ג")));
    CTask* d = root.AddChild(NewTask(5, QStringLiteral("ד")));

    QTemporaryDir dir;
    ASSERT_TRUE(root.Save(dir.filePath(QStringLiteral("Tasks.ini"))));
    EXPECT_FALSE(root.SetChecked(false));
    EXPECT_FALSE(root.IsModified());
    EXPECT_TRUE(c->SetChecked(true));
    EXPECT_TRUE(root.IsModified());
    EXPECT_FALSE(d->IsModified());

    root.Save(dir.filePath(QStringLiteral("Tasks.ini")));
    std::unique_ptr<CTask> taken = root.RemoveChild(d);
    ASSERT_EQ(taken.get(), d);
    EXPECT_EQ(taken->GetParent(), nullptr);
    EXPECT_TRUE(root.IsModified());
    EXPECT_EQ(root.RemoveChild(d), nullptr);

    QStringList removed;
    root.Clear([&removed](CTask& task) { removed << task.GetName(); });
    EXPECT_EQ(removed, (QStringList{QStringLiteral("ג"), QStringLiteral("ב"), QStringLiteral("א")}));
    EXPECT_EQ(root.GetChildCount(), 0);
    (void)b;
}

TEST(Task, HtmlRows)
{
    CTask root;
    root.SetName(QStringLiteral("Tasks"));
    root.AddChild(NewTask(2, QStringLiteral("Hall"), QString(), true));
    root.AddChild(NewTask(3, QStringLiteral("DJ")));
    root.SetChecked(true);

    Language::Set(UiLanguage::English);
    QString english;
    root.WriteHtml(english);
    Language::Set(UiLanguage::Hebrew);
    EXPECT_EQ(english, QStringLiteral("<tr><td><b>Tasks</b></td><td align=center><font color=blue>DONE</font></td></tr>\r\n"
                                      "<tr><td>Hall</td><td align=center><font color=blue>DONE</font></td></tr>\r\n"
                                      "<tr><td>DJ</td><td>&nbsp;</td></tr>\r\n"));
    QString hebrew;
    root.WriteHtml(hebrew);
    EXPECT_EQ(hebrew, QStringLiteral("<tr><td align=center><font color=blue>בוצע</font></td>\r\n<td align=right><b>Tasks</b></td></tr>"
                                     "<tr><td align=center><font color=blue>בוצע</font></td>\r\n<td align=right>Hall</td></tr>"
                                     "<tr><td>&nbsp;</td>\r\n<td align=right>DJ</td></tr>"));
}

TEST(Task, HtmlRowsEscapeTheNames)
{
    CTask root;
    root.SetName(QStringLiteral("<Tasks> & \"more\""));
    root.AddChild(NewTask(2, QStringLiteral("Bride's <b>dress</b>")));

    Language::Set(UiLanguage::English);
    QString english;
    root.WriteHtml(english);
    Language::Set(UiLanguage::Hebrew);
    EXPECT_EQ(english, QStringLiteral("<tr><td><b>&lt;Tasks&gt; &amp; &quot;more&quot;</b></td><td>&nbsp;</td></tr>\r\n"
                                      "<tr><td>Bride's &lt;b&gt;dress&lt;/b&gt;</td><td>&nbsp;</td></tr>\r\n"));
    QString hebrew;
    root.WriteHtml(hebrew);
    EXPECT_TRUE(hebrew.endsWith(QStringLiteral("<td align=right>Bride's &lt;b&gt;dress&lt;/b&gt;</td></tr>")));
}

TEST(Task, AChildInsertedInTheMiddleIsWrittenThere)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tasks.ini"));
    CTask root;
    root.SetId(1);
    root.SetName(QStringLiteral("root"));
    root.AddChild(NewTask(2, QStringLiteral("a")));
    root.AddChild(NewTask(3, QStringLiteral("c")));
    ASSERT_NE(root.InsertChild(NewTask(4, QStringLiteral("b")), 1), nullptr);
    EXPECT_EQ(root.InsertChild(NewTask(3, QStringLiteral("again")), 0), nullptr);
    EXPECT_EQ(root.IndexOfChild(root.GetChild(1)), 1);
    ASSERT_TRUE(root.Save(path));
    EXPECT_EQ(TestFiles::Read(path), QByteArray("[Task1]\r\nname=root\r\ninfo=\r\nchecked=0\r\nchild0=2\r\nchild1=4\r\nchild2=3\r\n"
                                                "[Task2]\r\nname=a\r\ninfo=\r\nchecked=0\r\n"
                                                "[Task4]\r\nname=b\r\ninfo=\r\nchecked=0\r\n"
                                                "[Task3]\r\nname=c\r\ninfo=\r\nchecked=0\r\n"));
}

TEST(CheckPointInfo, LoadNextSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Checkpoint.ini"));
    ASSERT_TRUE(TestFiles::Write(path, "[Checkpoint]\r\nCpIndex=4\r\n[Other]\r\nx=1\r\n"));
    CCheckPointInfo checkpoint;
    ASSERT_TRUE(checkpoint.Load(path));
    EXPECT_EQ(checkpoint.GetFile(), path);
    EXPECT_EQ(checkpoint.NextIndex(), 4);
    EXPECT_EQ(checkpoint.GetIndex(), 5);
    ASSERT_TRUE(checkpoint.Save());
    EXPECT_EQ(TestFiles::Read(path), QByteArray("[Checkpoint]\r\nCpIndex=5\r\n[Other]\r\nx=1\r\n"));

    CCheckPointInfo other;
    EXPECT_FALSE(other.Save());
    EXPECT_FALSE(other.Load(dir.filePath(QStringLiteral("missing.ini"))));
    EXPECT_EQ(other.GetIndex(), 0);
    EXPECT_EQ(other.SetIndex(9), 0);
    EXPECT_EQ(other.SetIndex(3), 9);
    EXPECT_TRUE(checkpoint > other);
    EXPECT_TRUE(other < checkpoint);
    EXPECT_FALSE(other > checkpoint);
    ASSERT_TRUE(other.Save());
    EXPECT_EQ(TestFiles::Read(dir.filePath(QStringLiteral("missing.ini"))), QByteArray("[Checkpoint]\r\nCpIndex=3\r\n"));
}
