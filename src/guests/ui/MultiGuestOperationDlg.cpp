#include "guests/ui/MultiGuestOperationDlg.h"

#include "guests/core/GuestEdits.h"
#include "guests/core/GuestTexts.h"

#include "controls/DialogHelpers.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const int kMaxCount = 9999;

}

CMultiGuestOperationDlg::CMultiGuestOperationDlg(CNewZelDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(QStringLiteral("שינוי מספר מוזמנים במקביל"));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    for (const CGuest* guest : document.Guests())
        m_list->addItem(guest->GetFullName());
    auto* selectAll = new QPushButton(QStringLiteral("בחר הכל"), this);
    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);

    m_invited = new QSpinBox(this);
    m_invited->setRange(0, kMaxCount);
    m_coming = new QSpinBox(this);
    m_coming->setRange(0, kMaxCount);
    m_group = new QComboBox(this);
    for (const CGroup* group : document.Groups())
        m_group->addItem(group->GetName());
    m_relation = new QComboBox(this);
    m_relation->addItems(GuestTexts::Relations());
    m_invitationSent = new QCheckBox(QStringLiteral("נשלחה"), this);
    auto* statusRow = new QWidget(this);
    auto* statusLayout = new QHBoxLayout(statusRow);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    m_status = new QButtonGroup(this);
    for (auto [text, id] : {std::pair{"אישרו", 1}, {"לא באים", 2}, {"לא ידוע", 0}}) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), statusRow);
        m_status->addButton(radio, id);
        statusLayout->addWidget(radio);
    }
    m_status->button(0)->setChecked(true);

    const std::pair<const char*, QWidget*> fields[FieldCount] = {
        {"הוזמנו", m_invited},   {"יבואו", m_coming},         {"קבוצה", m_group},
        {"שיכות", m_relation}, {"נשלחה הזמנה", m_invitationSent}, {"מצב", statusRow}};
    auto* grid = new QGridLayout;
    for (int field = 0; field < FieldCount; ++field) {
        m_use[field] = new QCheckBox(QString::fromUtf8(fields[field].first), this);
        QWidget* editor = fields[field].second;
        editor->setEnabled(false);
        connect(m_use[field], &QCheckBox::toggled, editor, &QWidget::setEnabled);
        grid->addWidget(m_use[field], field, 0);
        grid->addWidget(editor, field, 1);
    }

    auto* buttons = DialogHelpers::OkCancel(this, QStringLiteral("עדכן"));
    auto* right = new QVBoxLayout;
    right->addLayout(grid);
    right->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(m_list);
    left->addWidget(selectAll);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

CMultiGuestUpdate CMultiGuestOperationDlg::Update() const
{
    CMultiGuestUpdate update;
    if (m_use[FieldInvited]->isChecked())
        update.invited = m_invited->value();
    if (m_use[FieldComing]->isChecked())
        update.coming = m_coming->value();
    if (m_use[FieldGroup]->isChecked())
        update.group = m_group->currentText();
    if (m_use[FieldRelation]->isChecked())
        update.relation = m_relation->currentText();
    if (m_use[FieldInvitationSent]->isChecked())
        update.invitationSent = m_invitationSent->isChecked();
    if (m_use[FieldStatus]->isChecked())
        update.status = m_status->checkedId();
    return update;
}

QList<CGuest*> CMultiGuestOperationDlg::SelectedGuests() const
{
    QList<CGuest*> guests;
    const QList<CGuest*>& all = m_document.Guests();
    for (int row = 0; row < m_list->count() && row < all.size(); ++row)
        if (m_list->item(row)->isSelected())
            guests.append(all[row]);
    return guests;
}

void CMultiGuestOperationDlg::accept()
{
    CGuestEdits(m_document, parent()).Apply(Update(), SelectedGuests());
    QDialog::accept();
}
