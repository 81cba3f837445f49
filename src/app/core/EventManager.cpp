#include "app/core/EventManager.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/settings/StringTable.h"
#include "data/storage/DataLocation.h"

#include <QDir>

namespace {

const QString kUnsavedQuestion = QStringLiteral("ישנם שינוים בילתי שמורים. האם לשמור ?");
const QString kUnsavedCaption = QStringLiteral("שמירת שינוים?");
const QString kNotCreatedText = QStringLiteral(
    "לא ניתן היה ליצור את הארוע החדש בספריה:\r\n%s\r\nהארוע הנוכחי נשאר פעיל ללא שינוי.");
const QString kNotCreatedCaption = QStringLiteral("הארוע לא נוצר");

const QString kBrideName = QStringLiteral("BrideName");
const QString kBrideMid = QStringLiteral("BrideMid");
const QString kBrideFamily = QStringLiteral("BrideFamily");
const QString kGroomName = QStringLiteral("GroumName");
const QString kGroomMid = QStringLiteral("GroomMid");
const QString kGroomFamily = QStringLiteral("GroumFamily");
const QString kPhone = QStringLiteral("CouplePhone");
const QString kYear = QStringLiteral("WeddingYear");
const QString kMonth = QStringLiteral("WeddingMonth");
const QString kDay = QStringLiteral("WeddingDay");
const QString kEventCode = QStringLiteral("EventCode");

}

CEventManager::CEventManager(CNewZelDoc& document)
    : m_document(document)
{
}

bool CEventManager::MayLeaveEvent()
{
    if (!m_document.IsModified())
        return true;
    if (m_document.AppSettings().GetAutoSaveOnExit())
        return m_document.SaveEvent();
    IUserMessages* messages = m_document.Messages();
    switch (messages ? messages->MessageByText(kUnsavedQuestion, kUnsavedCaption, MSG_YES_NO_CANCEL) : MSG_RESULT_CANCEL) {
    case MSG_RESULT_YES:
        // A save that failed has told the user; staying keeps the edits.
        return m_document.SaveEvent();
    case MSG_RESULT_NO:
        return true;
    default:
        return false;
    }
}

bool CEventManager::AddEvent(const CEventDescription& description)
{
    if (!MayLeaveEvent())
        return false;
    const QString folder = m_document.Events().NextEventFolder();
    if (!m_document.CreateEventFolder(description.copyFrom)) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageByText(StringTable::Fill(kNotCreatedText, {QDir::toNativeSeparators(folder)}),
                                    kNotCreatedCaption, MSG_OK);
        return false;
    }
    Store(description, false);
    if (description.createGroups)
        m_document.CreateDefaultGroups(description.brideName, description.groomName);
    // The new event is on disk whole at once, named and listed for the next start.
    m_document.SaveEvent();
    Refresh();
    return true;
}

void CEventManager::DescribeEvent(const CEventDescription& description)
{
    Store(description, false);
    if (description.createGroups)
        m_document.CreateDefaultGroups(description.brideName, description.groomName);
    m_document.SetModified(true);
    Refresh();
}

bool CEventManager::SwitchEvent(CZelEvent* event)
{
    if (!event || event == m_document.Events().Active())
        return true;
    if (!MayLeaveEvent())
        return false;
    m_document.SetActiveEvent(event);
    m_document.ReloadEvent();
    return true;
}

void CEventManager::ApplyDetails(const CEventDescription& description)
{
    Store(description, true);
    m_document.CreateDefaultGroups(description.brideName, description.groomName);
    m_document.SetModified(true);
    Refresh();
}

void CEventManager::Store(const CEventDescription& description, bool withCode)
{
    CSettings& settings = m_document.Settings();
    settings.SetKey(kGroomName, description.groomName);
    settings.SetKey(kBrideName, description.brideName);
    settings.SetKey(kGroomFamily, description.groomFamily);
    settings.SetKey(kBrideFamily, description.brideFamily);
    settings.SetKey(kBrideMid, description.brideMid);
    settings.SetKey(kGroomMid, description.groomMid);
    settings.SetKey(kPhone, description.phone);
    const QDate date = description.date;
    settings.SetKey(kYear, date.isValid() ? QString::number(date.year()) : QString());
    settings.SetKey(kMonth, date.isValid() ? QString::number(date.month()) : QString());
    settings.SetKey(kDay, date.isValid() ? QString::number(date.day()) : QString());
    if (withCode)
        settings.SetKey(kEventCode, description.eventCode);
    settings.SetEveName(description.eventName);
    // The details dialog keeps the type it does not show.
    if (!withCode)
        settings.SetEventType(description.type);
    if (CZelEvent* active = m_document.Events().Active())
        active->SetName(description.eventName);
}

void CEventManager::Refresh()
{
    m_document.UpdateAllViews(nullptr, HINT_EVENT_RELOADED);
}

CEventDescription CEventManager::Current() const
{
    const CSettings& settings = m_document.Settings();
    CEventDescription description;
    description.type = settings.GetEventType();
    description.date = QDate(settings.Key(kYear).toInt(), settings.Key(kMonth).toInt(), settings.Key(kDay).toInt());
    description.brideName = settings.Key(kBrideName);
    description.brideMid = settings.Key(kBrideMid);
    description.brideFamily = settings.Key(kBrideFamily);
    description.groomName = settings.Key(kGroomName);
    description.groomMid = settings.Key(kGroomMid);
    description.groomFamily = settings.Key(kGroomFamily);
    description.phone = settings.Key(kPhone);
    description.eventName = settings.GetEveName();
    description.eventCode = settings.Key(kEventCode);
    return description;
}

QList<CZelEvent*> CEventManager::NamedEvents() const
{
    QList<CZelEvent*> events;
    const CEventRegistry& registry = m_document.Events();
    for (int i = 0; i < registry.Count(); ++i)
        if (!registry.At(i)->GetName().isEmpty())
            events.append(registry.At(i));
    return events;
}
