#pragma once

#include <QList>
#include <QString>

class CGuest;
class CNewZelDoc;

// The e-mail that tells a guest how to answer on the approvals site, as a "mailto:" link. Every
// part is percent-encoded (RFC 6068), so an "&", "?" or "#" in an address, a name or a code
// stays inside its own field.
namespace ApprovalMail {

// Empty when the guest has no e-mail address.
QString GuestLink(CNewZelDoc& document, const CGuest& guest);
// The guests the approval details go to: not yet approved, not declined, with an address.
QList<const CGuest*> Unconfirmed(const CNewZelDoc& document);
// Percent-encodes all but the unreserved characters (and "@" in an address).
QString Encode(const QString& text, bool address = false);

}
