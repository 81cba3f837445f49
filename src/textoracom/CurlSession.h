#pragma once

#include <QByteArray>
#include <QString>

#include <curl/curl.h>

// One libcurl easy handle with its error buffer, set up for a blocking transfer that must not
// raise signals in the host process. It keeps the body of the answer; a server whose answer
// passes kMostAnswerBytes, headers or response lines and body together, is cut off, so an answer
// that never ends cannot take the host's memory.
class CCurlSession
{
public:
    static constexpr qsizetype kMostAnswerBytes = 1024 * 1024;

    CCurlSession();
    ~CCurlSession();
    CCurlSession(const CCurlSession&) = delete;
    CCurlSession& operator=(const CCurlSession&) = delete;

    // Null when libcurl could not create a handle.
    CURL* Handle() const { return m_handle; }
    // Clears what the previous transfer set and applies the common options.
    CURLcode Prepare(long timeoutSeconds);
    CURLcode Perform();
    // The body of the answer of the last transfer.
    const QByteArray& Body() const { return m_body; }
    // libcurl's detailed text of the last failure when it gave one, else the code's text.
    QString Description(CURLcode code) const;

private:
    static size_t TakeBody(char* data, size_t size, size_t count, void* session);
    static size_t TakeHeader(char* data, size_t size, size_t count, void* session);
    // False when the answer would grow past the cap.
    bool Count(size_t bytes);

    CURL* m_handle;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
    QByteArray m_body;
    qsizetype m_answerBytes = 0;
    bool m_answerTooLong = false;
};
