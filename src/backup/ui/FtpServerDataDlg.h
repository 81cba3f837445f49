#pragma once

#include <QDialog>

#include <functional>

class CNewZelDoc;
class IPlatform;
class QCheckBox;
class QLineEdit;

// The FTP settings of the event ("הגדרת שרת שיתוף (FTP)"): server, user, password and the three
// sharing flags. OK stores them in the event settings; they reach Settings.ini with the next save.
class CFtpServerDataDlg : public QDialog
{
    Q_OBJECT

public:
    CFtpServerDataDlg(CNewZelDoc& document, IPlatform& platform, QWidget* parent = nullptr);

    void accept() override;

    // Opens the dialog over the parent; true on OK. What the sharing core is given to complete
    // missing settings.
    static std::function<bool()> Editor(CNewZelDoc& document, IPlatform& platform, QWidget* parent);

    QLineEdit* Server() const { return m_server; }
    QLineEdit* User() const { return m_user; }
    QLineEdit* Password() const { return m_password; }
    QCheckBox* SavePassword() const { return m_savePassword; }
    QCheckBox* AutoUpload() const { return m_autoUpload; }
    QCheckBox* AutoDownload() const { return m_autoDownload; }

private:
    CNewZelDoc& m_document;
    QLineEdit* m_server;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QCheckBox* m_savePassword;
    QCheckBox* m_autoUpload;
    QCheckBox* m_autoDownload;
};
