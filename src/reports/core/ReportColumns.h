#pragma once

#include <QList>
#include <QString>

class CGuest;
class CNewZelDoc;

// The columns a guest list report may show, in the order the column chooser offers them.
namespace ReportColumns {

enum Column {
    Name, LastName, Relation, Group, Phone, Mobile, Address, Gift, GiftComments, Shekels, Dollars, Status,
    InvitationSent, Invited, Coming, Kids, TableNumber, HallNumber, Details, Verify, Code, Email, Count
};

QList<int> Defaults();
// The caption in the interface language.
QString Caption(int column);
// The cell of a guest, escaped for the page; "&nbsp;" when empty.
QString Cell(const CNewZelDoc& document, const CGuest& guest, int column);
// The status word of a guest.
QString StatusText(const CGuest& guest);
// The hall number of the guest's table; 0 for a guest not seated.
int GuestHallNumber(const CNewZelDoc& document, const CGuest& guest);

}
