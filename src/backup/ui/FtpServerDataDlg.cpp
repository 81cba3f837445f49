#include "backup/ui/FtpServerDataDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/settings/GeneralIni.h"
#include "data/settings/Language.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFtpServerDataDlg::CFtpServerDataDlg(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(QStringLiteral("הגדרת שרת שיתוף (FTP)"));
    const CSettings& settings = document.Settings();

    m_server = new QLineEdit(settings.GetFtpServer(), this);
    m_server->setPlaceholderText(QStringLiteral("ftp.example.com:21"));
    // Host names and passwords read left to right in either interface language.
    m_server->setLayoutDirection(Qt::LeftToRight);
    m_user = new QLineEdit(settings.GetFtpUser(), this);
    m_user->setLayoutDirection(Qt::LeftToRight);
    m_password = new QLineEdit(settings.GetFtpPassword(), this);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setLayoutDirection(Qt::LeftToRight);
    const int fieldWidth = m_server->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32;
    for (QLineEdit* field : {m_server, m_user, m_password})
        field->setMinimumWidth(fieldWidth);

    m_savePassword = new QCheckBox(QStringLiteral("שמור הסיסמה"), this);
    m_savePassword->setChecked(settings.GetFtpSavePass());
    m_autoUpload = new QCheckBox(QStringLiteral("שמור אוטומטית לשרת בסיום שמירה לדיסק."), this);
    m_autoUpload->setChecked(settings.GetFtpAutoUpload());
    m_autoDownload = new QCheckBox(QStringLiteral("הורד את הנתונים מהשרת בזמן פתיחת התוכנה."), this);
    m_autoDownload->setChecked(settings.GetFtpAutoDownload());

    auto* help = new QLabel(QStringLiteral("<a href=\"help\">לחצו כאן לעזרה</a>"), this);
    help->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(help, &QLabel::linkActivated, this, [&platform] {
        platform.OpenUrl(CGeneralIni::DefaultSiteUrl() +
                         (Language::IsHebrew() ? QStringLiteral("he/") : QStringLiteral("en/")) + QStringLiteral("ftp"));
    });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("שם השרת:"), m_server);
    fields->addRow(QStringLiteral("שם משתמש:"), m_user);
    fields->addRow(QStringLiteral("סיסמה:"), m_password);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_savePassword);
    layout->addWidget(m_autoUpload);
    layout->addWidget(m_autoDownload);
    layout->addWidget(help);
    layout->addWidget(DialogHelpers::OkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CFtpServerDataDlg::accept()
{
    CSettings& settings = m_document.Settings();
    settings.SetFtpServer(m_server->text().trimmed());
    settings.SetFtpUser(m_user->text().trimmed());
    settings.SetFtpPassword(m_password->text());
    settings.SetFtpSavePass(m_savePassword->isChecked());
    settings.SetFtpAutoUpload(m_autoUpload->isChecked());
    settings.SetFtpAutoDownload(m_autoDownload->isChecked());
    QDialog::accept();
}

std::function<bool()> CFtpServerDataDlg::Editor(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
{
    return [&document, &platform, parent] {
        CFtpServerDataDlg dialog(document, platform, parent);
        return dialog.exec() == QDialog::Accepted;
    };
}
