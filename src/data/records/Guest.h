#pragma once

#include "data/records/BaseElement.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class CSettings;
class IRecordOwner;

// One invitation: a person or a family, with the numbers invited and coming, the group and table,
// contact details, the gift and the answer to the invitation. The name of the base holds the first
// names, the notes the additional information.
class CGuest : public CBaseElement
{
public:
    // Either pointer may be null: without settings the gift value is 0 in shekels, without an owner
    // restrictions stay one-sided and table changes notify nobody.
    CGuest(CSettings* settings, IRecordOwner* owner, CRecordCounters* counters = nullptr);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_GUESTS; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    // Renaming keeps the restriction lists of the guests this one names in step.
    bool SetName(const QString& name) override;

    // Every guest of an older Guests.ini, read from Guest0 on up to the first section without a guest;
    // progress hears percentages from 5 to 75.
    static QList<CGuest*> LoadAllIni(const CIniFile& file, CSettings* settings, IRecordOwner* owner,
                                     CRecordCounters* counters, const std::function<void(int percent)>& progress = {});

    // "name familyName", or the one of them that is set.
    QString GetFullName() const;
    bool IsApproved() const { return m_status == 1; }
    bool IsNotComing() const { return m_status == 2; }
    // Shekels and dollars at the event's rate in the Hebrew interface, dollars in the English one.
    double GetGiftValue() const;
    // The status word in the English interface; the Hebrew interface shows icons instead.
    QString GetStatusText() const;
    QString GetAddressHtml() const;
    const QString& GetYesNoText(bool value) const { return value ? m_textYes : m_textNo; }
    const QString& GetNoNameText() const { return m_textNoName; }

    // False when the name is already listed; a reciprocal restriction also lists this guest with
    // the named one.
    bool AddRestriction(const QString& fullName, bool reciprocal);
    bool RemoveRestriction(const QString& fullName);
    bool HasRestriction(const QString& fullName) const { return m_restricted.contains(fullName); }
    const QStringList& GetRestrictions() const { return m_restrictions; }

    const QString& GetRelation() const { return m_relation; }
    bool SetRelation(const QString& relation) { return SetField(m_relation, relation); }
    const QString& GetGroupName() const { return m_groupName; }
    bool SetGroupName(const QString& groupName) { return SetField(m_groupName, groupName); }
    const QString& GetPhone() const { return m_phone; }
    bool SetPhone(const QString& phone) { return SetField(m_phone, phone); }
    const QString& GetMobilePhone() const { return m_mobilePhone; }
    bool SetMobilePhone(const QString& mobilePhone) { return SetField(m_mobilePhone, mobilePhone); }
    const QString& GetAddress() const { return m_address; }
    bool SetAddress(const QString& address) { return SetField(m_address, address); }
    const QString& GetGift() const { return m_gift; }
    bool SetGift(const QString& gift) { return SetField(m_gift, gift); }
    const QString& GetGiftInfo() const { return m_giftInfo; }
    bool SetGiftInfo(const QString& giftInfo) { return SetField(m_giftInfo, giftInfo); }
    const QString& GetEmail() const { return m_email; }
    bool SetEmail(const QString& email) { return SetField(m_email, email); }
    const QString& GetFamilyName() const { return m_familyName; }
    bool SetFamilyName(const QString& familyName);
    int GetStatus() const { return m_status; }
    bool SetStatus(int status) { return SetField(m_status, status); }
    bool GetNeedKidsChair() const { return m_needKidsChair; }
    bool SetNeedKidsChair(bool need) { return SetField(m_needKidsChair, need); }
    // Whether the section read from Guests.ini used the short keys.
    bool UsesShortKeys() const { return m_shortKeys; }
    bool GetInvitationSent() const { return m_invitationSent; }
    bool SetInvitationSent(bool sent) { return SetField(m_invitationSent, sent); }
    bool GetArrived() const { return m_arrived; }
    // Leaves the record unmodified: arrivals are marked on the day of the event.
    bool SetArrived(bool arrived);
    int GetUniqueId() const { return m_uniqueId; }
    // Leaves the record unmodified and raises the unique-id counter to a higher value.
    bool SetUniqueId(int uniqueId);
    int GetInvitations() const { return m_invitations; }
    bool SetInvitations(int invitations) { return SetField(m_invitations, invitations); }
    int GetCameCount() const { return m_cameCount; }
    bool SetCameCount(int cameCount) { return SetField(m_cameCount, cameCount); }
    int GetInvited() const { return m_invited; }
    bool SetInvited(int invited) { return SetField(m_invited, invited); }
    int GetComing() const { return m_coming; }
    bool SetComing(int coming) { return SetField(m_coming, coming); }
    // 0 is the table of guests not seated yet.
    int GetTableIndex() const { return m_tableIndex; }
    // Tells the owner when the table changed.
    bool SetTableIndex(int tableIndex);
    int GetKids() const { return m_kids; }
    bool SetKids(int kids) { return SetField(m_kids, qint16(kids)); }
    float GetGiftShekels() const { return m_giftShekels; }
    bool SetGiftShekels(float shekels) { return SetField(m_giftShekels, shekels); }
    float GetGiftDollars() const { return m_giftDollars; }
    bool SetGiftDollars(float dollars) { return SetField(m_giftDollars, dollars); }
    int GetTransport() const { return m_transport; }
    bool SetTransport(int transport) { return SetField(m_transport, transport); }
    int GetSmsCount() const { return m_smsCount; }
    bool SetSmsCount(int smsCount) { return SetField(m_smsCount, qint16(smsCount)); }

private:
    static inline const QString kPrefix = QStringLiteral("Guest");

    // Stores a first or family name and carries the change of the full name to the named guests.
    bool Rename(QString& field, const QString& value);
    void ReplaceRestriction(const QString& oldName, const QString& newName);

    CSettings* m_settings;
    IRecordOwner* m_owner;

    QString m_relation;
    QString m_groupName;
    QString m_phone;
    QString m_mobilePhone;
    QString m_address;
    QString m_gift;
    QString m_giftInfo;
    QString m_email;
    QString m_familyName;
    int m_status = 3;
    bool m_needKidsChair = false;
    bool m_shortKeys = true;
    bool m_invitationSent = false;
    bool m_arrived = false;
    int m_uniqueId;
    int m_invitations = 1;
    int m_cameCount = 0;
    int m_invited = 2;
    int m_coming = 2;
    quint16 m_tableIndex = 0;
    qint16 m_kids = 0;
    float m_giftShekels = 0;
    float m_giftDollars = 0;
    int m_transport = 0;
    qint16 m_smsCount = 0;
    QStringList m_restrictions;
    // The same names, for the duplicate check of a guest listing thousands of others.
    QSet<QString> m_restricted;

    QString m_textApproved;
    QString m_textNotComing;
    QString m_textUnknown;
    QString m_textYes;
    QString m_textNo;
    QString m_textNoName;
};
