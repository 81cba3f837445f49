#pragma once

#include <QString>

// The kinds of event (EventType of the event settings) with the texts that follow from each: the
// wizard's list, the default event name and the labels of the names. A wedding has two celebrants;
// every other kind has one, kept in the bride's fields.
namespace EventTypes {

int Count();
// A value outside the list counts as a wedding.
QString TypeText(int type);
bool IsWedding(int type);
// The event name by the type's own format: "החתונה של <bride> ו<groom>", "בר המצוה של <name> ", ...
QString EventName(int type, const QString& brideName, const QString& groomName);
QString FirstLabel(int type);
QString NamesTitle(int type);

}
