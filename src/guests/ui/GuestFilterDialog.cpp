#include "guests/ui/GuestFilterDialog.h"

#include "guests/core/GuestFilter.h"
#include "guests/core/GuestTexts.h"

#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "data/records/Group.h"
#include "data/document/NewZelDoc.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int kFieldWidth = 90;

QString Has() { return QStringLiteral("יש"); }
QString HasNot() { return QStringLiteral("אין"); }
// The status words of the list and the values they stand for.
const QStringList& StatusWords()
{
    static const QStringList words = {QStringLiteral("לא ידוע"), QStringLiteral("אישרו"), QStringLiteral("לא יבואו")};
    return words;
}

QString StatusWord(int status)
{
    return StatusWords().value(status == 1 || status == 2 ? status : 0);
}

}

CGuestFilterDialog::CGuestFilterDialog(CNewZelDoc& document, CGuestFilter& filter, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_filter(filter)
    , m_model(RowCount, 2)
{
    setWindowTitle(QStringLiteral("סינון מוזמנים"));
    m_model.setHorizontalHeaderLabels({QStringLiteral("השדה"), QStringLiteral("הערך")});
    const char* const fields[RowCount] = {"שיכות", "קבוצה", "מצב", "נשלחו הזמנות", "טלפון נייד", "אימייל"};
    for (int row = 0; row < RowCount; ++row) {
        auto* field = new QStandardItem(QString::fromUtf8(fields[row]));
        field->setEditable(false);
        m_model.setItem(row, ColField, field);
        m_model.setItem(row, ColValue, new QStandardItem(GuestTexts::Any()));
    }
    SetValue(RowRelation, filter.useRelation ? filter.relation : GuestTexts::Any());
    SetValue(RowGroup, filter.useGroup ? filter.group : GuestTexts::Any());
    SetValue(RowStatus, filter.useStatus ? StatusWord(filter.status) : GuestTexts::Any());
    SetValue(RowInvitationSent, filter.useInvitationSent ? (filter.invitationSent ? GuestTexts::Yes() : GuestTexts::No())
                                                         : GuestTexts::Any());
    SetValue(RowMobilePhone, filter.useMobilePhone ? (filter.hasMobilePhone ? Has() : HasNot()) : GuestTexts::Any());
    SetValue(RowEmail, filter.useEmail ? (filter.hasEmail ? Has() : HasNot()) : GuestTexts::Any());

    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetCallBack(this);
    m_list->SetMessages(document.Messages());
    m_list->SetColumnEditKind(ColValue, CellEditKind::DropDown);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(ColField, kFieldWidth);

    auto* hint = DialogHelpers::WrappedText(QStringLiteral("בכדי לשנות את התוכן של שורה מסוימת יש ללחוץ עם העכבר על השורה ולהמתין ללא הזזה נוספת "
                                                          "של העכבר או לחלופין להשתמש במקש TAB."),
                                           this);
    auto* clear = new QPushButton(QStringLiteral("נקה סינון"), this);
    connect(clear, &QPushButton::clicked, this, &CGuestFilterDialog::ClearFilter);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(clear);
    bottom->addStretch();
    bottom->addWidget(DialogHelpers::OkCancel(this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(hint);
    layout->addLayout(bottom);
}

void CGuestFilterDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_list->setColumnWidth(ColField, kFieldWidth);
}

QString CGuestFilterDialog::Value(int row) const
{
    return m_model.item(row, ColValue)->text();
}

void CGuestFilterDialog::SetValue(int row, const QString& value)
{
    m_model.item(row, ColValue)->setText(value);
}

void CGuestFilterDialog::ClearFilter()
{
    m_list->CancelEdit();
    for (int row = 0; row < RowCount; ++row)
        SetValue(row, GuestTexts::Any());
}

QStringList CGuestFilterDialog::Choices(int row) const
{
    QStringList choices = {GuestTexts::Any()};
    switch (row) {
    case RowRelation:
        choices += GuestTexts::Relations();
        break;
    case RowGroup:
        for (const CGroup* group : m_document.Groups())
            choices.append(group->GetName());
        break;
    case RowStatus:
        choices += {StatusWords()[1], StatusWords()[2], StatusWords()[0]};
        break;
    case RowInvitationSent:
        choices += {GuestTexts::Yes(), GuestTexts::No()};
        break;
    default:
        choices += {Has(), HasNot()};
        break;
    }
    return choices;
}

int CGuestFilterDialog::OnCommitCell(int column, int row, const QString&, const QString& newText)
{
    if (column != ColValue || row < 0 || row >= RowCount)
        return CommitIgnored;
    return Choices(row).contains(newText) ? CommitAccepted : CommitRejected;
}

bool CGuestFilterDialog::MayEditCell(int column, int row, QString&)
{
    return column == ColValue && row >= 0 && row < RowCount;
}

void CGuestFilterDialog::GetCellChoices(int, int row, QStringList& choices, int& current)
{
    choices = Choices(row);
    current = qMax(0, int(choices.indexOf(Value(row))));
}

void CGuestFilterDialog::accept()
{
    m_list->CommitEdit();
    auto use = [this](int row, bool& flag) {
        flag = Value(row) != GuestTexts::Any();
        return flag;
    };
    if (use(RowRelation, m_filter.useRelation))
        m_filter.relation = Value(RowRelation);
    if (use(RowGroup, m_filter.useGroup))
        m_filter.group = Value(RowGroup);
    if (use(RowStatus, m_filter.useStatus))
        m_filter.status = qMax(0, int(StatusWords().indexOf(Value(RowStatus))));
    if (use(RowInvitationSent, m_filter.useInvitationSent))
        m_filter.invitationSent = Value(RowInvitationSent) == GuestTexts::Yes();
    if (use(RowMobilePhone, m_filter.useMobilePhone))
        m_filter.hasMobilePhone = Value(RowMobilePhone) == Has();
    if (use(RowEmail, m_filter.useEmail))
        m_filter.hasEmail = Value(RowEmail) == Has();
    QDialog::accept();
}
