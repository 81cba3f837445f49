// The FTP settings dialog and the sharing menu.
#include "AppTestSupport.h"

#include "backup/ui/FtpServerDataDlg.h"
#include "controls/CommandIds.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QPushButton* Button(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

}

TEST(FtpServerDataDlg, OpensWithTheStoredValues)
{
    CFrameFixture fixture;
    CSettings& settings = fixture.document->Settings();
    settings.SetFtpServer(QStringLiteral("ftp.example.com:2121"));
    settings.SetFtpUser(QStringLiteral("dana"));
    settings.SetFtpPassword(QStringLiteral("pass"));
    settings.SetFtpAutoDownload(true);
    CFtpServerDataDlg dialog(*fixture.document, fixture.platform);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("הגדרת שרת שיתוף (FTP)"));
    EXPECT_EQ(dialog.Server()->text(), QStringLiteral("ftp.example.com:2121"));
    EXPECT_EQ(dialog.User()->text(), QStringLiteral("dana"));
    EXPECT_EQ(dialog.Password()->text(), QStringLiteral("pass"));
    EXPECT_EQ(dialog.Password()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(dialog.SavePassword()->isChecked());
    EXPECT_FALSE(dialog.AutoUpload()->isChecked());
    EXPECT_TRUE(dialog.AutoDownload()->isChecked());
}

TEST(FtpServerDataDlg, OkStoresAllSixValuesInTheEventSettings)
{
    CFrameFixture fixture;
    CFtpServerDataDlg dialog(*fixture.document, fixture.platform);
    dialog.show();
    Type(dialog.Server(), QStringLiteral(" ftp.example.com:2121 "));
    Type(dialog.User(), QStringLiteral("avi"));
    Type(dialog.Password(), QStringLiteral("se cret"));
    QTest::keyClick(dialog.SavePassword(), Qt::Key_Space);
    QTest::keyClick(dialog.AutoUpload(), Qt::Key_Space);
    QTest::keyClick(dialog.AutoDownload(), Qt::Key_Space);
    QPushButton* ok = Button(dialog, QStringLiteral("אישור"));
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CSettings& settings = fixture.document->Settings();
    EXPECT_EQ(settings.GetFtpServer(), QStringLiteral("ftp.example.com:2121"));
    EXPECT_EQ(settings.GetFtpUser(), QStringLiteral("avi"));
    EXPECT_EQ(settings.GetFtpPassword(), QStringLiteral("se cret"));
    EXPECT_TRUE(settings.GetFtpSavePass());
    EXPECT_TRUE(settings.GetFtpAutoUpload());
    EXPECT_TRUE(settings.GetFtpAutoDownload());
}

TEST(FtpServerDataDlg, CancelStoresNothing)
{
    CFrameFixture fixture;
    CFtpServerDataDlg dialog(*fixture.document, fixture.platform);
    dialog.show();
    Type(dialog.Server(), QStringLiteral("ftp.example.com"));
    QTest::keyClick(dialog.AutoUpload(), Qt::Key_Space);
    QPushButton* cancel = Button(dialog, QStringLiteral("ביטול"));
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(fixture.document->Settings().GetFtpServer().isEmpty());
    EXPECT_FALSE(fixture.document->Settings().GetFtpAutoUpload());
}

TEST(FtpServerDataDlg, TheHelpLinkOpensThePageOfTheInterfaceLanguage)
{
    CFrameFixture fixture(UiLanguage::English);
    CFtpServerDataDlg dialog(*fixture.document, fixture.platform);
    QLabel* link = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().contains(QStringLiteral("לחצו כאן לעזרה")))
            link = label;
    ASSERT_NE(link, nullptr);
    emit link->linkActivated(QStringLiteral("help"));
    ASSERT_EQ(fixture.platform.calls.size(), 1);
    EXPECT_TRUE(fixture.platform.calls.front().startsWith(QStringLiteral("url ")));
    EXPECT_TRUE(fixture.platform.calls.front().endsWith(QStringLiteral("/en/ftp")));
}

TEST(FtpServerDataDlg, TheSharingMenuIsLive)
{
    CFrameFixture fixture;
    CMainFrame& frame = fixture.Open();
    EXPECT_TRUE(frame.IsCommandEnabled(ID_FTP_SETTINGS));
    EXPECT_TRUE(frame.IsCommandEnabled(ID_FTP_DOWNLOAD));
    EXPECT_TRUE(frame.IsCommandEnabled(ID_FTP_UPLOAD));
}
