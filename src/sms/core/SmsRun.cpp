#include "sms/core/SmsRun.h"

#include "sms/core/SmsCarriers.h"
#include "sms/core/SmsEdits.h"
#include "sms/core/SmsSender.h"
#include "sms/core/SmsText.h"
#include "approvals/core/ApprovalsSite.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

namespace {

const QString kPlainCaption = QStringLiteral("Ravivaz");
const QString kNoEventCode = QStringLiteral(
    "הודעה זו מזמינה את המוזמנים לאשר את הגעתם באתר, אבל לארוע עדיין אין קוד ארוע.\r\n"
    "יש להזין את קוד הארוע בפרטי הארוע לפני שליחת ההודעה.");
const QString kNoEventCodeCaption = QStringLiteral("חסר קוד ארוע");
const QString kTooLong = QStringLiteral("ההודעה לא נשלחה למוזמן %s מפני שהיא ארוכה מידי");
const QString kTooLongCaption = QStringLiteral("הודעה לא נשלחה למוזמן זה");
const QString kSentTo = QStringLiteral("הודעה נשלחה ל%s למספר %s");
constexpr int kStartLimit = 160;

}

CSmsRun::CSmsRun(CNewZelDoc& document, ISmsSender* sender, QObject* viewSender)
    : m_document(document)
    , m_sender(sender)
    , m_viewSender(viewSender)
{
}

void CSmsRun::Plain(const QString& text)
{
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(text, kPlainCaption, MSG_OK);
}

bool CSmsRun::CheckRecipients(const QList<CGuest*>& recipients)
{
    for (const CGuest* guest : recipients) {
        if (guest->GetMobilePhone().isEmpty()) {
            Plain(QStringLiteral("has guests with no cell number"));
            return false;
        }
        if (!SmsCarriers::IsValidMobile(guest->GetMobilePhone())) {
            if (IUserMessages* messages = m_document.Messages())
                messages->MessageByText(StringTable::Fill(StringTable::Get(59879), {guest->GetFullName()}),
                                        StringTable::Get(59880), MSG_OK);
            return false;
        }
    }
    return true;
}

bool CSmsRun::CheckLengths(const QList<CGuest*>& recipients, const QString& message)
{
    IUserMessages* messages = m_document.Messages();
    int hebrewLimit = kStartLimit;
    int latinLimit = kStartLimit;
    for (const CGuest* guest : recipients) {
        const SmsCarriers::Carrier* carrier = SmsCarriers::Find(guest->GetMobilePhone());
        hebrewLimit = qMin(hebrewLimit, carrier->hebrewLimit);
        latinLimit = qMin(latinLimit, carrier->latinLimit);
    }
    const QString sent = SmsText::AsSent(message);
    if (SmsCarriers::HasHebrew(sent) && sent.size() > hebrewLimit) {
        if (messages)
            messages->MessageById(59881, 59882, MSG_OK);
        return false;
    }
    if (!SmsCarriers::HasHebrew(sent) && SmsCarriers::HasLatin(sent) && sent.size() > latinLimit) {
        if (messages)
            messages->MessageById(59883, 59884, MSG_OK);
        return false;
    }
    // The guest's code and verification number can make one guest's text longer than the rest.
    for (const CGuest* guest : recipients) {
        const QString text = SmsText::Personalise(message, *guest);
        if (text.size() > SmsCarriers::Limit(guest->GetMobilePhone(), text)) {
            if (messages)
                messages->MessageByText(StringTable::Fill(kTooLong, {guest->GetFullName()}), kTooLongCaption, MSG_OK);
            return false;
        }
    }
    return true;
}

bool CSmsRun::RefusedWithoutEventCode(CNewZelDoc& document, const QString& message)
{
    if (!document.Settings().Key(QStringLiteral("EventCode")).isEmpty() ||
        !SmsText::NeedsEventCode(message, ApprovalsSite::ApprovePage(document.AppSettings())))
        return false;
    if (IUserMessages* messages = document.Messages())
        messages->MessageByText(kNoEventCode, kNoEventCodeCaption, MSG_OK);
    return true;
}

bool CSmsRun::Check(const QList<CGuest*>& recipients, const QString& message, const Account& account)
{
    IUserMessages* messages = m_document.Messages();
    if (recipients.isEmpty()) {
        Plain(QStringLiteral("no guest selected"));
        return false;
    }
    if (message.isEmpty()) {
        if (messages)
            messages->MessageById(59885, 59886, MSG_OK);
        return false;
    }
    if (account.from.size() < 9 || account.from.size() > 11) {
        Plain(QStringLiteral("no from or not correct from number"));
        return false;
    }
    if (RefusedWithoutEventCode(m_document, message))
        return false;
    if (!CheckRecipients(recipients) || !CheckLengths(recipients, message))
        return false;
    if (!m_sender) {
        Plain(QStringLiteral("can not find SMS module"));
        return false;
    }
    if (account.user.isEmpty() || account.password.isEmpty()) {
        if (messages)
            messages->MessageByText(QStringLiteral("שם משתמש או סיסמה ריקים"), QStringLiteral("שגיאה"), MSG_OK);
        return false;
    }
    return true;
}

CSmsRun::Outcome CSmsRun::Run(const QList<CGuest*>& recipients, const QString& message, const Account& account)
{
    Outcome outcome;
    IUserMessages* messages = m_document.Messages();
    if (!Check(recipients, message, account) || !messages ||
        messages->MessageByText(StringTable::Fill(StringTable::Get(59877), {QString::number(recipients.size())}),
                                StringTable::Get(59878), MSG_YES_NO) != MSG_RESULT_YES)
        return outcome;
    outcome.started = true;
    outcome.allSent = true;
    if (m_busy)
        m_busy(true);
    {
        CNewZelDoc::CBatch batch(m_document);
        CSmsEdits edits(m_document, m_viewSender);
        for (CGuest* guest : recipients) {
            if (m_pause)
                m_pause();
            QString error;
            const ISmsSender::Outcome sent =
                m_sender->Send(account.user, account.password, SmsText::Personalise(message, *guest),
                               guest->GetMobilePhone(), account.from, &error);
            if (sent == ISmsSender::Outcome::Sent) {
                edits.CountSent(*guest);
                ++outcome.sent;
                if (m_status)
                    m_status(StringTable::Fill(kSentTo, {guest->GetFullName(), guest->GetMobilePhone()}));
                continue;
            }
            outcome.allSent = false;
            if (sent == ISmsSender::Outcome::CallFailed) {
                Plain(QStringLiteral("can not find SMS module"));
                break;
            }
            Plain(error);
        }
    }
    if (m_busy)
        m_busy(false);
    if (outcome.allSent)
        messages->MessageById(59889, 59890, MSG_OK);
    if (m_status)
        m_status(QString());
    m_document.SaveEvent();
    return outcome;
}
