#include "guests/core/GuestImport.h"
#include "guests/ui/ImportGuestDlg.h"
#include "guests/ui/ImportGuestsOptionsDlg.h"

#include "data/document/Platform.h"

#include "ModalScript.h"
#include "ViewTestEvent.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Picks the file and folder the test names and keeps the captions it was asked with.
class CChoosingPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString& url) override
    {
        urls.append(url);
        return true;
    }
    bool OpenFile(const QString&) override { return false; }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool ComposeMail(const QString&, const QString&, const QStringList&) override { return false; }
    QString ChooseFile(const QString& caption, const QString&) override
    {
        captions.append(caption);
        return file;
    }
    QString ChooseFolder(const QString& caption, const QString&) override
    {
        captions.append(caption);
        return folder;
    }

    QString file;
    QString folder;
    QStringList captions;
    QStringList urls;
};

QPushButton* Button(QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void Click(QWidget* widget)
{
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void ClickRow(QTreeWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

class ImportGuestDlgTest : public ::testing::Test
{
protected:
    ImportGuestDlgTest()
    {
        m_sheet = m_dir.path() + QStringLiteral("/guests.csv");
        EXPECT_TRUE(TestFiles::Write(m_sheet, QStringLiteral("שם,שם משפחה,שיכות,קבוצה,מספר מוזמנים\n"
                                                             "דנה,לוי,כלה,חברים,3\n"
                                                             "רון,כהן,חתן,,2\n"
                                                             "אבי,בר,משותף,עבודה,4\n")
                                                  .toUtf8()));
        m_platform.file = m_sheet;
    }

    CViewTestEvent m_event;
    QTemporaryDir m_dir;
    QString m_sheet;
    CChoosingPlatform m_platform;
};

}

TEST_F(ImportGuestDlgTest, ChosenSheetIsListedAndTheSelectedRowsAreAdded)
{
    CImportGuestDlg dialog(m_event.Doc(), m_platform);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(dialog.AddButton()->isEnabled());
    EXPECT_FALSE(dialog.ReplaceButton()->isEnabled());

    Click(Button(dialog, QStringLiteral("בחר קובץ EXCEL")));
    EXPECT_EQ(m_platform.captions, QStringList{QStringLiteral("בחר קובץ EXCEL")});
    QTreeWidget* list = dialog.CandidateList();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("דנה"));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("לוי"));
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("הכלה"));
    EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("3"));
    EXPECT_TRUE(dialog.AddButton()->isEnabled());

    ClickRow(list, 0);
    ClickRow(list, 2, Qt::ControlModifier);
    Click(dialog.AddButton());
    EXPECT_TRUE(m_event.Doc().FindGuestByFullName(QStringLiteral("דנה לוי")));
    EXPECT_TRUE(m_event.Doc().FindGuestByFullName(QStringLiteral("אבי בר")));
    EXPECT_FALSE(m_event.Doc().FindGuestByFullName(QStringLiteral("רון כהן")));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("רון"));
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());

    // Reading the same sheet again offers the added ones too; adding them is refused by name.
    Click(Button(dialog, QStringLiteral("רענן")));
    ASSERT_EQ(list->topLevelItemCount(), 3);
    Click(dialog.SelectAllButton());
    Click(dialog.AddButton());
    EXPECT_EQ(m_event.Doc().GuestCount(), 3);
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text,
              QStringLiteral("חלק מהמוזמנים כבר קימים והם לא הוספו לרשימה\r\n1. דנה לוי\r\n2. אבי בר\r\n"));
    EXPECT_EQ(m_event.Doc().FindGuestByFullName(QStringLiteral("רון כהן"))->GetGroupName(),
              QStringLiteral("מוזמנים מיובאים"));
}

TEST_F(ImportGuestDlgTest, OptionsPutEveryoneIntoTheNamedGroup)
{
    CImportGuestDlg dialog(m_event.Doc(), m_platform);
    dialog.show();
    dialog.ReadSheet(m_sheet);
    CModalScript script;
    script.Then([](QWidget* window) {
        auto* options = qobject_cast<CImportGuestsOptionsDlg*>(window);
        ASSERT_TRUE(options);
        EXPECT_EQ(options->windowTitle(), QStringLiteral("הגדרות יבוא מוזמנים"));
        EXPECT_TRUE(options->AutoGroupsRadio()->isChecked());
        EXPECT_FALSE(options->GroupField()->isEnabled());
        QTest::mouseClick(options->TargetGroupRadio(), Qt::LeftButton);
        EXPECT_TRUE(options->GroupField()->isEnabled());
        options->GroupField()->selectAll();
        QTest::keyClicks(options->GroupField(), QStringLiteral("From the sheet"));
        options->accept();
    });
    Click(Button(dialog, QStringLiteral("הגדרות")));
    EXPECT_EQ(script.Pending(), 0);
    EXPECT_FALSE(dialog.Import().AutoGroups());
    EXPECT_EQ(dialog.Import().TargetGroup(), QStringLiteral("From the sheet"));

    Click(dialog.SelectAllButton());
    Click(dialog.AddButton());
    ASSERT_EQ(m_event.Doc().GuestCount(), 3);
    for (const CGuest* guest : m_event.Doc().Guests())
        EXPECT_EQ(guest->GetGroupName(), QStringLiteral("From the sheet"));
}

TEST_F(ImportGuestDlgTest, ReplaceIsLiveOnlyWithItsRadioAndAsksForAFolder)
{
    CImportGuestDlg dialog(m_event.Doc(), m_platform);
    dialog.show();
    Click(dialog.ReplaceRadio());
    ASSERT_TRUE(dialog.ReplaceButton()->isEnabled());
    Click(dialog.ReplaceButton());
    ASSERT_EQ(m_event.Messages().ShownMessages().size(), 1);
    EXPECT_EQ(m_event.Messages().ShownMessages()[0].text, QStringLiteral("נא לבחור סיפרית נתונים"));
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog.AddOnlyRadio());
    EXPECT_FALSE(dialog.ReplaceButton()->isEnabled());
}
