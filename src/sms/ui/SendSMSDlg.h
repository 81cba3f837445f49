#pragma once

#include <QDialog>

#include <memory>

class CGuest;
class CNewZelDoc;
class CSendSMSPeopleTab;
class CSendSMSSettingsTab;
class CTextoraSender;
class QTabWidget;

// "שליחת SMS": the guests to send to on one page, the account and message on the other. The
// SMS component is created with the dialog and released when it closes.
class CSendSMSDlg : public QDialog
{
    Q_OBJECT

public:
    // selected, when given, is the guest chosen at the start.
    CSendSMSDlg(CNewZelDoc& document, CGuest* selected, QWidget* parent = nullptr);
    ~CSendSMSDlg() override;

    CSendSMSPeopleTab* People() const { return m_people; }
    CSendSMSSettingsTab* Settings() const { return m_settings; }
    QTabWidget* Tabs() const { return m_tabs; }
    // Between two messages; tests make it short.
    void SetPauseMs(int ms) { m_pauseMs = ms; }

private:
    void Send();
    void StoreAndClose();

    CNewZelDoc& m_document;
    std::unique_ptr<CTextoraSender> m_sms;
    QTabWidget* m_tabs;
    CSendSMSPeopleTab* m_people;
    CSendSMSSettingsTab* m_settings;
    int m_pauseMs = 500;
};
