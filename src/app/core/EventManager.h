#pragma once

#include "app/core/EventDescription.h"

#include <QList>

class CNewZelDoc;
class CZelEvent;

// Adding, describing and switching events: the rules behind the new-event wizard, the switch
// dialog and the event details dialog. Questions go through the document's messages.
class CEventManager
{
public:
    explicit CEventManager(CNewZelDoc& document);

    // The closing question: nothing when unmodified, a silent save with AutoSaveOnExit, else
    // Yes/No/Cancel. False on Cancel and when a save failed, so no edit is dropped.
    bool MayLeaveEvent();
    // The wizard's finish for a new event: the current event may be left, a new folder becomes the
    // active event (from another event's data when asked), takes the description and is saved.
    // False with nothing changed when the event could not be made (the user is told).
    bool AddEvent(const CEventDescription& description);
    // The wizard's finish on the first showing: the existing event takes the description.
    void DescribeEvent(const CEventDescription& description);
    // Makes another event the active one and loads it; false when the current one may not be left.
    bool SwitchEvent(CZelEvent* event);
    // The details dialog accepted: the description with its event code, groups by the first names.
    void ApplyDetails(const CEventDescription& description);

    // The active event as the dialogs open it.
    CEventDescription Current() const;
    // The events the wizard offers to copy from: those with a name, in registry order.
    QList<CZelEvent*> NamedEvents() const;

private:
    void Store(const CEventDescription& description, bool withCode);
    void Refresh();

    CNewZelDoc& m_document;
};
