// The progress window while an event loads and saves.
#include "AppTestSupport.h"

#include "controls/ProgressWnd.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// Keeps every percent the window was given while it was shown.
class CWatchedProgress : public CProgressWnd
{
public:
    void SetPercent(int percent) override
    {
        if (isVisible())
            seen << percent;
        CProgressWnd::SetPercent(percent);
    }
    QList<int> seen;
};

}

TEST(ProgressWnd, ShowsWhileTheEventLoadsAndSaves)
{
    QTemporaryDir dir;
    CDataLocation location(dir.filePath(QStringLiteral("Data")));
    CScriptedMessages messages;
    CWatchedProgress progress;
    CNewZelDoc document(location, &messages, &progress);
    document.OnNewDocument();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.seen.first(), 0);
    EXPECT_EQ(progress.seen.last(), 100);
    EXPECT_EQ(progress.findChild<QLabel*>()->text(), QStringLiteral("טוען נתונים..."));

    progress.seen.clear();
    document.SetModified();
    document.SaveEvent();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.seen.last(), 100);
    EXPECT_EQ(progress.findChild<QLabel*>()->text(), StringTable::Get(59463));
}
