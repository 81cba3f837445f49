#include "sms/ui/SmsPhoneSearchDlg.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CSmsPhoneSearchDlg::CSmsPhoneSearchDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("חיפוש לפי מספר טלפון"));
    m_prefix = new QLineEdit(this);
    m_prefix->setMaxLength(4);
    m_number = new QLineEdit(this);
    m_number->setMaxLength(12);
    // Numbers are typed left to right in either language.
    for (QLineEdit* field : {m_prefix, m_number})
        field->setLayoutDirection(Qt::LeftToRight);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("קידומת:"), m_prefix);
    form->addRow(QStringLiteral("מספר:"), m_number);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

QString CSmsPhoneSearchDlg::Prefix() const
{
    return m_prefix->text().trimmed();
}

QString CSmsPhoneSearchDlg::Number() const
{
    return m_number->text().trimmed();
}
