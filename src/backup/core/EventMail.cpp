#include "backup/core/EventMail.h"

#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/document/UserMessages.h"
#include "data/settings/StringTable.h"
#include "data/storage/DataLocation.h"

#include <QDir>
#include <QFileInfo>

CEventMail::CEventMail(CNewZelDoc& document, IPlatform& platform)
    : m_document(document)
    , m_platform(platform)
{
}

QStringList CEventMail::Attachments() const
{
    const QString folder = m_document.Location().GetEventFolder();
    QStringList files;
    for (const char* name : {"Guests.ini", "Expences.ini", "Groups.ini", "Settings.ini", "../AppSettings.ini",
                             "Tables.ini", "Meetings.ini", "Category.ini", "Offers.ini", "GanArrangement.ini",
                             "Tasks.ini", "Checkpoint.ini", "WeddingData.xml"}) {
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(name));
        if (QFileInfo(path).isFile())
            files << path;
    }
    return files;
}

bool CEventMail::Send()
{
    IUserMessages* messages = m_document.Messages();
    if (m_document.IsModified()) {
        const int answer = messages ? messages->MessageById(59792, 59793, MSG_YES_NO) : MSG_RESULT_CANCEL;
        if (answer == MSG_RESULT_YES && !m_document.SaveEvent())
            return false;
        if (answer != MSG_RESULT_YES && answer != MSG_RESULT_NO)
            return false;
    }
    const bool made = m_platform.ComposeMail(StringTable::Get(59786), StringTable::Get(59787), Attachments());
    if (messages) {
        if (made)
            messages->MessageById(59789, 59788, MSG_OK);
        else
            messages->MessageById(59791, 59790, MSG_OK);
    }
    return made;
}
