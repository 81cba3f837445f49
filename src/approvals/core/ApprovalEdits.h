#pragma once

#include <QList>

class CGuest;
class CNewZelDoc;
class QObject;
struct CSiteApprovals;

// Taking the site's answers into the guests: which answers differ from what the guests hold, and
// writing the chosen ones as one change.
class CApprovalEdits
{
public:
    struct Answer
    {
        CGuest* guest;
        int count; // 0: cancelled
    };

    explicit CApprovalEdits(CNewZelDoc& document, QObject* sender = nullptr);

    // The answers of guests whose status and coming count differ from what the site says, in
    // the order of the guest list. Answers for codes of no guest are left out.
    QList<Answer> Differing(const CSiteApprovals& approvals) const;
    // A count of 1 or more approves the guest with that many people, 0 marks them not coming.
    // The views hear one hint; the user is told the data was updated. Returns the guests changed.
    int Apply(const QList<Answer>& answers);

private:
    CNewZelDoc& m_document;
    QObject* m_sender;
};
