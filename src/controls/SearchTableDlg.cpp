#include "controls/SearchTableDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSearchTableDlg::CSearchTableDlg(bool up, const QString& guestText, const QString& tableText, bool focusOnTable,
                                 bool guestOnly, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("חיפוש"));
    m_table = new QLineEdit(tableText, this);
    m_table->setEnabled(!guestOnly);
    m_guest = new QLineEdit(guestText, this);
    m_up = new QRadioButton(QStringLiteral("למעלה"), this);
    m_down = new QRadioButton(QStringLiteral("למטה"), this);
    (up ? m_up : m_down)->setChecked(true);

    auto* direction = new QGroupBox(QStringLiteral("כיוון"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto* buttons = new QDialogButtonBox(this);
    m_search = buttons->addButton(QStringLiteral("חפש"), QDialogButtonBox::AcceptRole);
    m_search->setDefault(true);
    buttons->addButton(QStringLiteral("בטל"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שולחן"), m_table);
    form->addRow(QStringLiteral("מוזמן"), m_guest);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(direction);
    layout->addWidget(buttons);

    QLineEdit* focused = focusOnTable && !guestOnly ? m_table : m_guest;
    setFocusProxy(focused);
    focused->selectAll();
}

QString CSearchTableDlg::GuestText() const
{
    return m_guest->text();
}

QString CSearchTableDlg::TableText() const
{
    return m_table->text();
}

bool CSearchTableDlg::IsUp() const
{
    return m_up->isChecked();
}
