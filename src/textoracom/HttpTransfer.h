#pragma once

#include "textoracom/CurlSession.h"

#include <QByteArray>
#include <QString>

// The HTTP transfer control of the component's hidden form: one connection cache that lives as
// long as the component object.
class CHttpTransfer
{
public:
    // Fetches url with an HTTP GET and gives the whole body, whatever the status, as text in the
    // ANSI code page. False when the transfer failed: the text is then the failure's description.
    bool OpenUrl(const QByteArray& url, long timeoutSeconds, QString* text);

private:
    CCurlSession m_session;
};
