#include "finance/ui/DolarRateDlg.h"

#include "finance/core/ExpenseEdits.h"
#include "finance/core/MoneyText.h"

#include "controls/DialogHelpers.h"
#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CDolarRateDlg::CDolarRateDlg(double rate, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("קבע את שער הדולר"));
    m_rate = new QLineEdit(MoneyText::Rate(rate), this);
    m_rate->setMaxLength(10);
    // Numbers are typed left to right in either language.
    m_rate->setLayoutDirection(Qt::LeftToRight);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שער הדולר"), m_rate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    m_rate->setFocus();
    m_rate->selectAll();
    // The window manager cuts a title wider than the window.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

bool CDolarRateDlg::ReadRate(double& rate) const
{
    bool ok = false;
    const double value = m_rate->text().trimmed().toDouble(&ok);
    if (!ok || !(value >= 0.0 && value <= 100.0))
        return false;
    rate = value;
    return true;
}

void CDolarRateDlg::accept()
{
    double rate = 0;
    if (!ReadRate(rate)) {
        UserQuestion::Ask(m_messages, QStringLiteral("יש להקליד מספר בין 0 ל-100."), QStringLiteral("ערך לא חוקי"), MSG_OK);
        m_rate->setFocus();
        m_rate->selectAll();
        return;
    }
    QDialog::accept();
}

bool CDolarRateDlg::Run(CNewZelDoc& document, QObject* sender, QWidget* parent)
{
    CDolarRateDlg dialog(document.Settings().GetDolarToShekel(), document.Messages(), parent);
    double rate = 0;
    if (dialog.exec() != QDialog::Accepted || !dialog.ReadRate(rate))
        return false;
    return CExpenseEdits(document, sender).SetDollarRate(rate);
}
