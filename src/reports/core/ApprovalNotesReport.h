#pragma once

#include <QString>

class CNewZelDoc;

// The approval notes to cut out and send with the invitations: two notes a row, one per guest,
// each with the approval page, the event code, the guest's code and (in Hebrew) its verification.
namespace ApprovalNotesReport {

// The approval web site; the page is added per language.
inline const QString kApprovalSite = QStringLiteral("http://approve.ravivaz.co.il");

QString Html(CNewZelDoc& document);

}
