#pragma once

#include <QString>

class CNewZelDoc;

// The approval notes to cut out and send with the invitations: two notes a row, one per guest,
// each with the approval page, the event code, the guest's code and (in Hebrew) its verification.
namespace ApprovalNotesReport {

QString Html(CNewZelDoc& document);

}
