#include "guests/ui/GuestGeneralInfoDlg.h"

#include "guests/core/GuestEdits.h"
#include "guests/ui/SelectGuestsDlg.h"

#include "controls/DialogHelpers.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

CGuestGeneralInfoDlg::CGuestGeneralInfoDlg(CNewZelDoc& document, CGuest& guest, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_guest(guest)
{
    setWindowTitle(QStringLiteral("הגבלות על ישיבה בשולחן"));
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabel(QStringLiteral("שמות המוזמנים המוגבלים"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(0, Qt::AscendingOrder);
    AddNames(guest.GetRestrictions());

    m_add = new QPushButton(QStringLiteral("הוסף"), this);
    m_remove = new QPushButton(QStringLiteral("הסר"), this);
    connect(m_add, &QPushButton::clicked, this, &CGuestGeneralInfoDlg::PickGuests);
    connect(m_remove, &QPushButton::clicked, this, &CGuestGeneralInfoDlg::RemoveSelected);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

QStringList CGuestGeneralInfoDlg::Names() const
{
    QStringList names;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        names.append(m_list->topLevelItem(row)->text(0));
    return names;
}

QStringList CGuestGeneralInfoDlg::Candidates() const
{
    const QStringList listed = Names();
    QSet<QString> taken(listed.cbegin(), listed.cend());
    taken.insert(m_guest.GetFullName());
    QStringList candidates;
    for (const CGuest* other : m_document.Guests()) {
        const QString name = other->GetFullName();
        if (other != &m_guest && !name.isEmpty() && !taken.contains(name)) {
            candidates.append(name);
            taken.insert(name);
        }
    }
    return candidates;
}

void CGuestGeneralInfoDlg::AddNames(const QStringList& names)
{
    const QStringList listed = Names();
    for (const QString& name : names)
        if (!listed.contains(name))
            new QTreeWidgetItem(m_list, {name});
}

void CGuestGeneralInfoDlg::RemoveSelected()
{
    qDeleteAll(m_list->selectedItems());
}

void CGuestGeneralInfoDlg::PickGuests()
{
    CSelectGuestsDlg dialog(Candidates(), this);
    if (dialog.exec() == QDialog::Accepted)
        AddNames(dialog.SelectedNames());
}

void CGuestGeneralInfoDlg::accept()
{
    CGuestEdits(m_document).SetRestrictions(m_guest, Names());
    QDialog::accept();
}
