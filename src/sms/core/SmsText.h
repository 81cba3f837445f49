#pragma once

#include <QString>
#include <QStringList>

class CGuest;
class CSettings;

// The texts of a message: the ready messages, their placeholders, the form in which a message is
// sent and the form in which it is stored in the event settings.
namespace SmsText {

inline const QString kCouple = QStringLiteral("<שמות החתן והכלה>");
inline const QString kEventCode = QStringLiteral("<קוד ארוע>");
inline const QString kGuestCode = QStringLiteral("<קוד מוזמן>");
inline const QString kVerification = QStringLiteral("<אימות מוזמן>");

// The ready messages in their fixed order; the last two invite to the approval page.
QStringList ReadyMessages(const QString& approvePage);
// The couple's names and the event code, as when a ready message is chosen.
QString FillEvent(const QString& text, const CSettings& settings);
// The text one guest gets: line breaks as sent, the guest's code and verification number.
QString Personalise(const QString& text, const CGuest& guest);
// Every line break as the "\r\n" that is sent and counted.
QString AsSent(const QString& text);
// Whether a text asks the guest to answer on the approval site, which needs the event's code.
bool NeedsEventCode(const QString& text, const QString& approvePage);
// The event settings keep a message on one INI line: line breaks become "ssssss".
QString ToStored(const QString& text);
QString FromStored(const QString& stored);

}
