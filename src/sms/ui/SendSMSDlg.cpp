#include "sms/ui/SendSMSDlg.h"

#include "sms/core/SmsRun.h"
#include "sms/core/TextoraSender.h"
#include "sms/ui/SendSMSPeopleTab.h"
#include "sms/ui/SendSMSSettingsTab.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>

CSendSMSDlg::CSendSMSDlg(CNewZelDoc& document, CGuest* selected, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(QStringLiteral("שליחת SMS"));
    m_tabs = new QTabWidget(this);
    m_settings = new CSendSMSSettingsTab(document, m_tabs);
    m_sms = std::make_unique<CTextoraSender>();
    if (!m_sms->IsBound()) {
        m_sms.reset();
        if (IUserMessages* messages = document.Messages())
            messages->MessageByText(QStringLiteral("can not find SMS module"), QStringLiteral("Ravivaz"), MSG_OK);
    }
    m_people = new CSendSMSPeopleTab(document, selected, m_tabs);
    m_tabs->addTab(m_settings, CSendSMSSettingsTab::Title());
    m_tabs->addTab(m_people, CSendSMSPeopleTab::Title());
    m_tabs->setCurrentWidget(m_people);
    connect(m_settings, &CSendSMSSettingsTab::SendRequested, this, &CSendSMSDlg::Send);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* store = buttons->addButton(QStringLiteral("שמור הגדרות"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ביטול"), QDialogButtonBox::RejectRole);
    connect(store, &QPushButton::clicked, this, &CSendSMSDlg::StoreAndClose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(760, 600);
}

CSendSMSDlg::~CSendSMSDlg() = default;

void CSendSMSDlg::StoreAndClose()
{
    m_settings->Store();
    accept();
}

void CSendSMSDlg::Send()
{
    CSmsRun run(m_document, m_sms.get(), this);
    run.SetStatus([this](const QString& text) {
        m_settings->ShowStatus(text);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    run.SetPause([this]() {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < m_pauseMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(20);
        }
    });
    run.SetBusy([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    const CSmsRun::Account account{m_settings->User(), m_settings->Password(), m_settings->Sender()};
    if (run.Run(m_people->SelectedGuests(), m_settings->Message(), account).started)
        m_people->Refill();
}
