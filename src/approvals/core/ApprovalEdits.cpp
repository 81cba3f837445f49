#include "approvals/core/ApprovalEdits.h"

#include "approvals/core/SiteApprovals.h"

#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"

namespace {

const QString kUpdated = QStringLiteral("הנתונים עודכנו בהצלחה");

int StatusFor(int count)
{
    return count < 1 ? 2 : 1;
}

int ComingFor(int count)
{
    return count < 1 ? 0 : count;
}

}

CApprovalEdits::CApprovalEdits(CNewZelDoc& document, QObject* sender)
    : m_document(document)
    , m_sender(sender)
{
}

QList<CApprovalEdits::Answer> CApprovalEdits::Differing(const CSiteApprovals& approvals) const
{
    QList<Answer> answers;
    for (CGuest* guest : m_document.Guests()) {
        const auto found = approvals.answers.constFind(guest->GetUniqueId());
        if (found == approvals.answers.cend())
            continue;
        if (guest->GetStatus() != StatusFor(*found) || guest->GetComing() != ComingFor(*found))
            answers.append({guest, *found});
    }
    return answers;
}

int CApprovalEdits::Apply(const QList<Answer>& answers)
{
    int changed = 0;
    {
        CNewZelDoc::CBatch batch(m_document);
        for (const Answer& answer : answers) {
            if (!m_document.Guests().contains(answer.guest))
                continue;
            bool edited = answer.guest->SetComing(ComingFor(answer.count));
            edited = answer.guest->SetStatus(StatusFor(answer.count)) || edited;
            if (!edited)
                continue;
            ++changed;
            m_document.SetModified();
            m_document.UpdateAllViews(m_sender, HINT_GUEST_CHANGED, answer.guest);
        }
    }
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(kUpdated, kUpdated, MSG_OK);
    return changed;
}
