#include "sms/ui/SendSMSSettingsTab.h"

#include "sms/core/SmsCarriers.h"
#include "sms/core/SmsEdits.h"
#include "sms/core/SmsRun.h"
#include "sms/core/SmsText.h"
#include "approvals/core/ApprovalsSite.h"

#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QTableWidget* CarrierTable(QWidget* parent)
{
    const QList<SmsCarriers::Carrier>& carriers = SmsCarriers::Table();
    auto* table = new QTableWidget(int(carriers.size()), 3, parent);
    table->setHorizontalHeaderLabels({QStringLiteral("מפעיל"), QStringLiteral("עברית"), QStringLiteral("אנגלית")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < carriers.size(); ++row) {
        const SmsCarriers::Carrier& c = carriers[row];
        table->setItem(row, 0, new QTableWidgetItem(c.name));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(c.hebrewLimit)));
        table->setItem(row, 2, new QTableWidgetItem(QString::number(c.latinLimit)));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

}

CSendSMSSettingsTab::CSendSMSSettingsTab(CNewZelDoc& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    const CSettings& settings = document.Settings();
    QString sender = settings.Key(QStringLiteral("SmsFromNum"));
    if (sender.isEmpty()) {
        sender = settings.Key(QStringLiteral("CouplePhone"));
        if (!sender.startsWith(QStringLiteral("05")))
            sender.clear();
    }
    m_sender = new QLineEdit(sender, this);
    m_user = new QLineEdit(settings.Key(QStringLiteral("SmsUserName")), this);
    m_password = new QLineEdit(settings.Key(QStringLiteral("SmsPassword")), this);
    // Numbers and account names are typed left to right in either language.
    for (QLineEdit* field : {m_sender, m_user, m_password})
        field->setLayoutDirection(Qt::LeftToRight);
    // The editor keeps its lines apart by "\n"; the "\r\n" of the sent form comes back in Message().
    m_message = new QPlainTextEdit(
        SmsText::FromStored(settings.Key(QStringLiteral("SmsMessage"))).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        this);
    m_count = new QLabel(this);
    connect(m_message, &QPlainTextEdit::textChanged, this, &CSendSMSSettingsTab::ShowCount);
    m_ready = new QListWidget(this);
    m_ready->addItems(SmsText::ReadyMessages(ApprovalsSite::ApprovePage(document.AppSettings())));
    m_ready->setWordWrap(true);
    connect(m_ready, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseReadyMessage(m_ready->row(item)); });
    m_status = new QLabel(this);
    m_send = new QPushButton(QStringLiteral("שליחת SMS"), this);
    connect(m_send, &QPushButton::clicked, this, &CSendSMSSettingsTab::SendRequested);

    auto* account = new QGridLayout;
    account->addWidget(new QLabel(QStringLiteral("השולח/מאת:"), this), 0, 0);
    account->addWidget(m_sender, 0, 1);
    account->addWidget(new QLabel(QStringLiteral("(מספר זה צריך להיות בדיוק המספר שאיתו נרשמתם לשירות באתר!)"), this),
                       0, 2);
    account->addWidget(new QLabel(QStringLiteral("שם משתמש:"), this), 1, 0);
    account->addWidget(m_user, 1, 1);
    account->addWidget(new QLabel(QStringLiteral("סיסמא מוצפנת:"), this), 2, 0);
    account->addWidget(m_password, 2, 1);
    account->setColumnStretch(2, 1);

    auto* readyBox = new QGroupBox(QStringLiteral("הודעות מוכנות מראש:"), this);
    auto* readyLayout = new QVBoxLayout(readyBox);
    readyLayout->addWidget(m_ready);
    auto* carrierBox = new QGroupBox(QStringLiteral("מגבלות המפעילים הסלולרים"), this);
    auto* carrierLayout = new QVBoxLayout(carrierBox);
    carrierLayout->addWidget(CarrierTable(carrierBox));
    carrierLayout->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(readyBox, 3);
    lower->addWidget(carrierBox, 2);
    auto* countLine = new QHBoxLayout;
    countLine->addWidget(new QLabel(QStringLiteral("ההודעה:"), this));
    countLine->addStretch();
    countLine->addWidget(m_count);
    auto* sendLine = new QHBoxLayout;
    sendLine->addWidget(m_status, 1);
    sendLine->addWidget(m_send);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(account);
    layout->addLayout(countLine);
    layout->addWidget(m_message, 1);
    layout->addLayout(lower, 2);
    layout->addWidget(DialogHelpers::WrappedText(
        QStringLiteral("מלאו את פרטי החשבון ואת ההודעה, ולחצו על הכפתור \"שליחת SMS\"."), this));
    layout->addLayout(sendLine);
    ShowCount();
}

QString CSendSMSSettingsTab::Title()
{
    return QStringLiteral("שלב שני: הגדרות הודעת ה-SMS");
}

QString CSendSMSSettingsTab::Sender() const
{
    return m_sender->text().trimmed();
}

QString CSendSMSSettingsTab::User() const
{
    return m_user->text().trimmed();
}

QString CSendSMSSettingsTab::Password() const
{
    return m_password->text().trimmed();
}

QString CSendSMSSettingsTab::Message() const
{
    return SmsText::AsSent(m_message->toPlainText());
}

void CSendSMSSettingsTab::Store()
{
    CSmsEdits(m_document, this).StoreSettings(User(), Password(), Sender(), Message());
}

void CSendSMSSettingsTab::ShowStatus(const QString& text)
{
    m_status->setText(text);
}

void CSendSMSSettingsTab::ChooseReadyMessage(int row)
{
    const QString text = m_ready->item(row)->text();
    if (CSmsRun::RefusedWithoutEventCode(m_document, text))
        return;
    m_message->setPlainText(SmsText::FillEvent(text, m_document.Settings()));
}

void CSendSMSSettingsTab::ShowCount()
{
    m_count->setText(QStringLiteral("כמות התווים בשימוש: %1").arg(Message().size()));
}
