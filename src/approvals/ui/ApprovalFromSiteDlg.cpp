#include "approvals/ui/ApprovalFromSiteDlg.h"

#include "approvals/core/SiteApprovals.h"

#include "controls/DialogHelpers.h"
#include "data/records/Guest.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The row's place in the answers, kept on its first column.
constexpr int kAnswerRole = Qt::UserRole;
}

CApprovalFromSiteDlg::CApprovalFromSiteDlg(CNewZelDoc& document, const QList<CApprovalEdits::Answer>& answers,
                                           QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_answers(answers)
{
    setWindowTitle(QStringLiteral("מוזמנים שאישרו הגעתם באתר"));
    m_confirmed = MakeList();
    m_cancelled = MakeList();
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const CApprovalEdits::Answer& answer = answers[i];
        QTreeWidget* list = answer.count >= 1 ? m_confirmed : m_cancelled;
        auto* item = new QTreeWidgetItem(list, {answer.guest->GetFullName(), QString::number(answer.count)});
        item->setCheckState(0, Qt::Checked);
        item->setData(0, kAnswerRole, int(i));
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* update = buttons->addButton(QStringLiteral("עדכן רשימות המוזמנים"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("סגור"), QDialogButtonBox::RejectRole);
    connect(update, &QPushButton::clicked, this, &CApprovalFromSiteDlg::Update);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHelpers::WrappedText(
        QStringLiteral("המוזמנים הבאים אישרו או ביטלו הגעתם לארוע דרך אתר האינטרנט. לחצו על \"עדכן רשימות מוזמנים\" "
                       "בכדי לעדכן את הנתונים בתוכנה."),
        this));
    layout->addWidget(new QLabel(QStringLiteral("מוזמנים שאישרו הגעתם:"), this));
    layout->addWidget(m_confirmed);
    layout->addWidget(new QLabel(QStringLiteral("מוזמנים שביטלו הגעתם:"), this));
    layout->addWidget(m_cancelled);
    layout->addWidget(buttons);
    resize(460, 480);
}

QTreeWidget* CApprovalFromSiteDlg::MakeList()
{
    auto* list = new QTreeWidget(this);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("שמות המוזמנים"), QStringLiteral("כמה יבואו")});
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    return list;
}

void CApprovalFromSiteDlg::Update()
{
    QList<CApprovalEdits::Answer> chosen;
    for (QTreeWidget* list : {m_confirmed, m_cancelled}) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            if (item->checkState(0) == Qt::Checked)
                chosen.append(m_answers[item->data(0, kAnswerRole).toInt()]);
        }
    }
    CApprovalEdits(m_document, this).Apply(chosen);
    accept();
}

void CApprovalFromSiteDlg::ShowIfDiffering(CNewZelDoc& document, const CSiteApprovals& approvals, QWidget* parent)
{
    if (!approvals.IsFor(document))
        return;
    const QList<CApprovalEdits::Answer> answers = CApprovalEdits(document).Differing(approvals);
    if (answers.isEmpty())
        return;
    CApprovalFromSiteDlg dialog(document, answers, parent);
    dialog.exec();
}
