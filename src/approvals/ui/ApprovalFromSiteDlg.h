#pragma once

#include "approvals/core/ApprovalEdits.h"

#include <QDialog>

class CNewZelDoc;
class QTreeWidget;
struct CSiteApprovals;

// "מוזמנים שאישרו הגעתם באתר": the guests whose answer on the site differs from what the event
// holds, confirmed and cancelled apart. Each row is ticked; the update button takes the ticked
// answers in, so an answer given later by phone stays when the user unticks the site's one.
class CApprovalFromSiteDlg : public QDialog
{
    Q_OBJECT

public:
    CApprovalFromSiteDlg(CNewZelDoc& document, const QList<CApprovalEdits::Answer>& answers,
                         QWidget* parent = nullptr);

    // Opens the dialog when the answers belong to the event shown and any of them differs.
    static void ShowIfDiffering(CNewZelDoc& document, const CSiteApprovals& approvals, QWidget* parent);

    QTreeWidget* ConfirmedList() const { return m_confirmed; }
    QTreeWidget* CancelledList() const { return m_cancelled; }

private:
    QTreeWidget* MakeList();
    void Update();

    CNewZelDoc& m_document;
    QList<CApprovalEdits::Answer> m_answers;
    QTreeWidget* m_confirmed;
    QTreeWidget* m_cancelled;
};
