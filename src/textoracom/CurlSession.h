#pragma once

#include <QString>

#include <curl/curl.h>

// One libcurl easy handle with its error buffer, set up for a blocking transfer that must not
// raise signals in the host process.
class CCurlSession
{
public:
    CCurlSession();
    ~CCurlSession();
    CCurlSession(const CCurlSession&) = delete;
    CCurlSession& operator=(const CCurlSession&) = delete;

    // Null when libcurl could not create a handle.
    CURL* Handle() const { return m_handle; }
    // Clears what the previous transfer set and applies the common options.
    CURLcode Prepare(long timeoutSeconds);
    CURLcode Perform();
    // libcurl's detailed text of the last failure when it gave one, else the code's text.
    QString Description(CURLcode code) const;

private:
    CURL* m_handle;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
