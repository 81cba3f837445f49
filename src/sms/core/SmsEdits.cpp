#include "sms/core/SmsEdits.h"

#include "sms/core/SmsText.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"

namespace {

bool IsMobileInPhoneColumn(const CGuest& guest)
{
    const QString& phone = guest.GetPhone();
    return guest.GetMobilePhone().isEmpty() && phone.startsWith(QStringLiteral("05")) && phone.size() >= 10 &&
           phone.size() <= 11;
}

}

CSmsEdits::CSmsEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

int CSmsEdits::FixNumbers()
{
    IUserMessages* messages = m_document.Messages();
    if (!messages || messages->MessageById(59887, 59888, MSG_YES_NO) != MSG_RESULT_YES)
        return 0;
    int changed = 0;
    CNewZelDoc::CBatch batch(m_document);
    for (CGuest* guest : m_document.Guests()) {
        if (!IsMobileInPhoneColumn(*guest))
            continue;
        guest->SetMobilePhone(guest->GetPhone());
        guest->SetPhone(QString());
        ++changed;
        m_document.UpdateAllViews(m_sender, HINT_GUEST_CHANGED, guest);
    }
    if (changed)
        m_document.SetModified();
    return changed;
}

void CSmsEdits::CountSent(CGuest& guest)
{
    guest.SetSmsCount(guest.GetSmsCount() + 1);
    m_document.SetModified();
    m_document.UpdateAllViews(m_sender, HINT_GUEST_CHANGED, &guest);
}

void CSmsEdits::StoreSettings(const QString& user, const QString& password, const QString& from,
                              const QString& message)
{
    CSettings& settings = m_document.Settings();
    bool changed = settings.SetKey(QStringLiteral("SmsUserName"), user);
    changed = settings.SetKey(QStringLiteral("SmsPassword"), password) || changed;
    changed = settings.SetKey(QStringLiteral("SmsFromNum"), from) || changed;
    changed = settings.SetKey(QStringLiteral("SmsMessage"), SmsText::ToStored(message)) || changed;
    if (changed)
        m_document.SetModified();
}
