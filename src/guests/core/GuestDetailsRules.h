#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CGuest;
class IRecordOwner;

// The rules of the guest details pages that need no window: the name check, the counts, the
// transport counters, the restriction lists and the texts of the computed tool tips.
namespace GuestDetailsRules {

enum class NameProblem { None, Empty, Duplicate };

// "first family" of the trimmed names, or the one of them that is set.
QString TrimmedFullName(const QString& names, const QString& familyName);
// Empty while the event has guests, or a full name that another guest shares (both trimmed).
NameProblem CheckName(const QList<CGuest*>& guests, const CGuest& guest);
QString NameProblemText(NameProblem problem);

// The coming count never exceeds the invited count: lowering the invited count lowers the coming
// count with it, raising the coming count raises the invited count. True when anything changed.
bool SetInvited(CGuest& guest, int invited);
bool SetComing(CGuest& guest, int coming);

// The transports offered; the first two name the sides at a wedding (event type 0).
QStringList TransportNames(int eventType);
// The people coming of the guests assigned to a transport.
qint64 TransportSum(const QList<CGuest*>& guests, int transport);
// That sum with this guest's people when the guest is not yet assigned to it.
qint64 TransportWithGuest(const QList<CGuest*>& guests, const CGuest& guest, int transport);

// Replaces the guest's restriction list and keeps it mutual: every listed guest names this one,
// every guest taken off the list forgets it. True when anything changed.
bool SetRestrictions(IRecordOwner& owner, CGuest& guest, const QStringList& names);

// Tool-tip markup, placeholders filled.
QString KidsTooltip(int kids, bool needsChair);
QString TableTooltip(const QList<CGuest*>& seated);
QString StatusTooltip(int status);
// Leaving "לא באים" for another status: remember the people coming.
QString ComingReminder();

}
