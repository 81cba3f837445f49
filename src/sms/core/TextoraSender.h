#pragma once

#include "sms/core/SmsSender.h"

class _ClsPostMessage;

// Sends through the SMS component, created by its ProgID through the registration. The component
// lives as long as this object.
class CTextoraSender : public ISmsSender
{
public:
    CTextoraSender();
    ~CTextoraSender() override;
    CTextoraSender(const CTextoraSender&) = delete;
    CTextoraSender& operator=(const CTextoraSender&) = delete;

    // False when the component is not registered or would not load.
    bool IsBound() const { return m_sms != nullptr; }

    Outcome Send(const QString& user, const QString& password, const QString& text, const QString& mobile,
                 const QString& from, QString* error) override;

private:
    _ClsPostMessage* m_sms = nullptr;
};
