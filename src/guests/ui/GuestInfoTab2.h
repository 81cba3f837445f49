#pragma once

#include "guests/ui/GuestInfoTabBase.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "פרטים נוספים": the gift, the invitations, the code for online approval, the transport with its
// two counters, the restriction list and the SMS button.
class CGuestInfoTab2 : public CGuestInfoTabBase
{
    Q_OBJECT

public:
    explicit CGuestInfoTab2(CNewZelDoc& document, QWidget* parent = nullptr);

    QString Title() const override;
    void ShowGuest(CGuest* guest) override;
    void ToggleInvitationSent();
    void RefreshGift();
    // The gift dialog lives with the gifts page; the window that holds both hands it in, and the
    // gift button works from then on.
    void SetGiftEditor(std::function<void(CGuest&)> editor);
    void EditRestrictions();

    QPushButton* NameLine() const { return m_name; }
    QGroupBox* GiftBox() const { return m_giftBox; }
    QLabel* GiftText() const { return m_giftText; }
    QLabel* GiftAmount() const { return m_giftAmount; }
    QPushButton* GiftButton() const { return m_giftButton; }
    QCheckBox* InvitationSentBox() const { return m_invitationSent; }
    QSpinBox* InvitationsField() const { return m_invitations; }
    QLabel* CodeLabel() const { return m_code; }
    QPushButton* MailButton() const { return m_mail; }
    QComboBox* TransportCombo() const { return m_transport; }
    QLabel* TransportNow() const { return m_transportNow; }
    QLabel* TransportWith() const { return m_transportWith; }
    QPushButton* RestrictionsButton() const { return m_restrictions; }
    QPushButton* SmsButton() const { return m_sms; }

signals:
    void ShowPersonalPage();

private:
    void BuildLayout();
    void ShowTransport(int choice);

    QPushButton* m_name;
    QGroupBox* m_giftBox;
    QLabel* m_giftText;
    QLabel* m_giftAmount;
    QPushButton* m_giftButton;
    std::function<void(CGuest&)> m_giftEditor;
    QCheckBox* m_invitationSent;
    QSpinBox* m_invitations;
    QLabel* m_code;
    QPushButton* m_mail;
    QLabel* m_explain;
    QComboBox* m_transport;
    QLabel* m_transportNow;
    QLabel* m_transportWith;
    QPushButton* m_restrictions;
    QPushButton* m_sms;
};
