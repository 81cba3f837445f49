#pragma once

#include <QStringList>

class CNewZelDoc;
class IPlatform;

// Hands the active event's files to the desktop's mail program as attachments of a new message.
class CEventMail
{
public:
    CEventMail(CNewZelDoc& document, IPlatform& platform);

    // Offers to save unsaved changes first; tells the user whether the message could be made.
    bool Send();
    // The event's files that exist, in the order they are attached.
    QStringList Attachments() const;

private:
    CNewZelDoc& m_document;
    IPlatform& m_platform;
};
