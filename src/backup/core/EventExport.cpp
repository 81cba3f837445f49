#include "backup/core/EventExport.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/settings/StringTable.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventFileSet.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kOwnFolderText = QStringLiteral(
    "לא ניתן לייצא את הנתונים לספריה:\r\n%s\r\nזוהי ספריית הנתונים של הארוע עצמו. אנא בחרו ספריה אחרת.");
const QString kOtherEventText = QStringLiteral(
    "לא ניתן לייצא את הנתונים לספריה:\r\n%s\r\nזוהי ספריית הנתונים של הארוע \"%s\". אנא בחרו ספריה אחרת.");
const QString kDataFolderText = QStringLiteral(
    "לא ניתן לייצא את הנתונים לספריה:\r\n%s\r\nזוהי ספריית הנתונים של התוכנה. אנא בחרו ספריה אחרת.");
const QString kRefusedCaption = QStringLiteral("ספריה לא מתאימה");
const QString kReplaceText = QStringLiteral(
    "הספריה:\r\n%s\r\nכבר מכילה נתוני ארוע. האם להחליף אותם בנתוני הארוע הנוכחי?");
const QString kReplaceCaption = QStringLiteral("להחליף נתונים קיימים?");

// The same folder, however the path was written.
QString Canonical(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}

CEventExport::CEventExport(CNewZelDoc& document)
    : m_document(document)
{
}

QString CEventExport::RefusalReason(const QString& targetFolder) const
{
    const QString target = Canonical(targetFolder);
    const QString shown = QDir::toNativeSeparators(targetFolder);
    CDataLocation& location = m_document.Location();
    if (target == Canonical(location.CurrentEventFolder()))
        return StringTable::Fill(kOwnFolderText, {shown});
    if (target == Canonical(location.GetDataFolder()))
        return StringTable::Fill(kDataFolderText, {shown});
    const CEventRegistry& events = m_document.Events();
    for (int i = 0; i < events.Count(); ++i)
        if (target == Canonical(events.At(i)->GetFolder()))
            return StringTable::Fill(kOtherEventText, {shown, events.At(i)->GetName()});
    return QString();
}

CEventExport::Result CEventExport::Export(const QString& targetFolder)
{
    IUserMessages* messages = m_document.Messages();
    const QString refusal = RefusalReason(targetFolder);
    if (!refusal.isEmpty()) {
        if (messages)
            messages->MessageByText(refusal, kRefusedCaption, MSG_OK);
        return Result::Refused;
    }
    const QString dataFile = targetFolder + QLatin1Char('/') + CDataLocation::FileName(FC_WEDDING_DATA);
    if (QFileInfo::exists(dataFile) &&
        (!messages || messages->MessageByText(StringTable::Fill(kReplaceText, {QDir::toNativeSeparators(targetFolder)}),
                                              kReplaceCaption, MSG_YES_NO) != MSG_RESULT_YES))
        return Result::Declined;
    if (!m_document.SaveEvent())
        return Result::Failed;
    const bool copied = QDir().mkpath(targetFolder) &&
                        EventFileSet::CopyEventFiles(m_document.Location().GetEventFolder(), targetFolder, true, false);
    if (messages)
        messages->MessageById(copied ? 59704 : 59706, 59705, MSG_OK);
    return copied ? Result::Exported : Result::Failed;
}
