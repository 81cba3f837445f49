#include "guests/ui/GuestInfoTab2.h"

#include "guests/core/GuestDetailsRules.h"
#include "guests/ui/GuestGeneralInfoDlg.h"

#include "controls/BalloonTip.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

bool HasGift(const CGuest& guest)
{
    return guest.GetGiftShekels() != 0 || guest.GetGiftDollars() != 0 || !guest.GetGift().isEmpty() ||
           !guest.GetGiftInfo().isEmpty();
}

}

CGuestInfoTab2::CGuestInfoTab2(CNewZelDoc& document, QWidget* parent)
    : CGuestInfoTabBase(document, parent)
{
    BuildLayout();
    ShowGuest(nullptr);
}

QString CGuestInfoTab2::Title() const
{
    return QStringLiteral("פרטים נוספים");
}

void CGuestInfoTab2::BuildLayout()
{
    m_name = new QPushButton(this);
    m_name->setFlat(true);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    connect(m_name, &QPushButton::clicked, this, &CGuestInfoTab2::ShowPersonalPage);

    m_giftBox = new QGroupBox(QStringLiteral("מתנות"), this);
    m_giftText = new QLabel(m_giftBox);
    m_giftText->setWordWrap(true);
    m_giftAmount = new QLabel(m_giftBox);
    m_giftButton = new QPushButton(QStringLiteral("רישום מתנה"), m_giftBox);
    // Until the gift dialog is handed in there is nothing to open.
    m_giftButton->setEnabled(false);
    connect(m_giftButton, &QPushButton::clicked, this, [this] {
        if (m_guest && m_giftEditor)
            m_giftEditor(*m_guest);
    });
    auto* giftLayout = new QHBoxLayout(m_giftBox);
    giftLayout->addWidget(m_giftText, 1);
    giftLayout->addWidget(m_giftAmount);
    giftLayout->addWidget(m_giftButton);

    auto* invitationBox = new QGroupBox(QStringLiteral("הזמנות"), this);
    m_invitationSent = new QCheckBox(QStringLiteral("הזמנה נשלחה"), invitationBox);
    m_invitations = new QSpinBox(invitationBox);
    m_invitations->setRange(0, 99);
    auto* invitationLayout = new QGridLayout(invitationBox);
    invitationLayout->addWidget(m_invitationSent, 0, 0, 1, 2);
    auto* invitationsLabel = new QLabel(QStringLiteral("מספר ההזמנות שצריך לתת למשפחה/מוזמן זה:"), invitationBox);
    invitationsLabel->setWordWrap(true);
    invitationLayout->addWidget(invitationsLabel, 1, 0);
    invitationLayout->addWidget(m_invitations, 1, 1);
    connect(m_invitationSent, &QCheckBox::toggled, this, [this](bool sent) {
        Edit([sent](CGuest& guest) { return guest.SetInvitationSent(sent); }, true);
    });
    connect(m_invitations, &QSpinBox::valueChanged, this, [this](int count) {
        Edit([count](CGuest& guest) { return guest.SetInvitations(count); }, true);
    });

    auto* approvalBox = new QGroupBox(QStringLiteral("אישורי הזמנות"), this);
    m_code = new QLabel(approvalBox);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_mail = new QPushButton(QStringLiteral("שלח למוזמן פרטי אישור באי-מייל"), approvalBox);
    // The approval mail is built with the online approvals, which come later.
    m_mail->setEnabled(false);
    m_explain = new QLabel(QStringLiteral("<a href=\"#\">הסבר</a>"), approvalBox);
    connect(m_explain, &QLabel::linkActivated, this, [this] {
        CBalloonTip::ShowUnder(m_explain, QStringLiteral("<al_r>המוזמנים יכולים לאשר את הגעתם באתר האינטרנט של הארוע.<br>"
                                                         "כל מוזמן מזדהה שם בקוד המוזמן שלו."));
    });
    auto* approvalLayout = new QGridLayout(approvalBox);
    approvalLayout->addWidget(new QLabel(QStringLiteral("קוד המוזמן:"), approvalBox), 0, 0);
    approvalLayout->addWidget(m_code, 0, 1);
    approvalLayout->addWidget(m_explain, 0, 2, Qt::AlignTrailing);
    approvalLayout->addWidget(m_mail, 1, 0, 1, 3);

    auto* transportBox = new QGroupBox(QStringLiteral("הסעות"), this);
    m_transport = new QComboBox(transportBox);
    m_transportNow = new QLabel(transportBox);
    m_transportWith = new QLabel(transportBox);
    auto* transportLayout = new QGridLayout(transportBox);
    transportLayout->addWidget(m_transport, 0, 0, 1, 3);
    transportLayout->addWidget(new QLabel(QStringLiteral("להסעה זו רשומים עתה"), transportBox), 1, 0);
    transportLayout->addWidget(m_transportNow, 1, 1);
    transportLayout->addWidget(new QLabel(QStringLiteral("מוזמנים."), transportBox), 1, 2);
    transportLayout->addWidget(new QLabel(QStringLiteral("הסעה זו כולל המוזמן/המשפחה הנוכחית תכלול"), transportBox), 2, 0, 1, 2);
    transportLayout->addWidget(m_transportWith, 2, 2);
    connect(m_transport, &QComboBox::activated, this, [this](int choice) {
        if (!m_guest || m_loading)
            return;
        // The counters compare the choice with the transport stored so far.
        ShowTransport(choice);
        Edit([choice](CGuest& guest) { return guest.SetTransport(choice); }, false);
    });

    m_restrictions = new QPushButton(QStringLiteral("רשימת \"מוגבלים\""), this);
    connect(m_restrictions, &QPushButton::clicked, this, &CGuestInfoTab2::EditRestrictions);
    m_sms = new QPushButton(QStringLiteral("שליחת SMS"), this);
    connect(m_sms, &QPushButton::clicked, this, &CGuestInfoTabBase::SmsRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_restrictions);
    buttons->addWidget(m_sms);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_giftBox);
    layout->addWidget(invitationBox);
    layout->addWidget(approvalBox);
    layout->addWidget(transportBox);
    layout->addLayout(buttons);
    layout->addStretch();

    SetTip(m_restrictions, QStringLiteral("<al_c><ct=0xFF0000><b>רשימת \"מוגבלים\"</b><ct=0x00C000><br><hr=100%><br></ct>"
                                          "<al_r>המוזמנים שמוזמן זה לא יכול לשבת איתם באותו שולחן"));
}

void CGuestInfoTab2::ShowGuest(CGuest* guest)
{
    m_loading = true;
    m_guest = guest;
    setEnabled(guest != nullptr);
    m_name->setText(guest ? guest->GetFullName() : QString());
    m_invitationSent->setChecked(guest && guest->GetInvitationSent());
    m_invitations->setValue(guest ? guest->GetInvitations() : 0);
    m_code->setText(guest ? QString::number(guest->GetUniqueId()) : QString());
    m_transport->clear();
    m_transport->addItems(GuestDetailsRules::TransportNames(m_document.Settings().GetEventType()));
    m_transport->setCurrentIndex(guest ? guest->GetTransport() : -1);
    ShowTransport(guest ? guest->GetTransport() : -1);
    RefreshGift();
    m_loading = false;
}

void CGuestInfoTab2::ShowTransport(int choice)
{
    const bool shown = m_guest && choice >= 0;
    const QList<CGuest*>& guests = m_document.Guests();
    m_transportNow->setText(shown ? QString::number(GuestDetailsRules::TransportSum(guests, choice)) : QString());
    m_transportWith->setText(shown ? QString::number(GuestDetailsRules::TransportWithGuest(guests, *m_guest, choice)) : QString());
}

void CGuestInfoTab2::SetGiftEditor(std::function<void(CGuest&)> editor)
{
    m_giftEditor = std::move(editor);
    m_giftButton->setEnabled(bool(m_giftEditor));
}

void CGuestInfoTab2::RefreshGift()
{
    const bool gift = m_guest && HasGift(*m_guest);
    m_giftText->setVisible(gift);
    m_giftAmount->setVisible(gift);
    if (!gift)
        return;
    m_giftText->setText(m_guest->GetGift());
    const double amount = Language::IsHebrew() ? m_guest->GetGiftShekels() : m_guest->GetGiftDollars();
    m_giftAmount->setText(QString::number(amount, 'f', amount == qRound(amount) ? 0 : 2));
}

void CGuestInfoTab2::ToggleInvitationSent()
{
    if (m_guest)
        m_invitationSent->setChecked(!m_invitationSent->isChecked());
}

void CGuestInfoTab2::EditRestrictions()
{
    if (!m_guest)
        return;
    CGuestGeneralInfoDlg dialog(m_document, *m_guest, this);
    dialog.exec();
}
