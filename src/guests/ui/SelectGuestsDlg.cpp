#include "guests/ui/SelectGuestsDlg.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CSelectGuestsDlg::CSelectGuestsDlg(const QStringList& names, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("בחירת מוזמנים"));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->addItems(names);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

QStringList CSelectGuestsDlg::SelectedNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected())
            names.append(m_list->item(row)->text());
    return names;
}
