#pragma once

#include <QDate>
#include <QString>

// What the new-event wizard and the event details dialog edit: the celebrants, the date, the
// contact phone, the event name and code, and the wizard's choices.
struct CEventDescription
{
    int type = 0;
    QDate date;
    QString brideName;
    QString brideMid;
    QString brideFamily;
    QString groomName;
    QString groomMid;
    QString groomFamily;
    QString phone;
    QString eventName;
    QString eventCode;
    // The folder of the event whose data a new event starts from; empty for none.
    QString copyFrom;
    bool createGroups = true;
};
