#include "finance/ui/MatanotDlg.h"

#include "finance/core/GiftEdits.h"
#include "finance/core/MoneyText.h"

#include "controls/DialogHelpers.h"
#include "controls/NumberSpinEdit.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Six digits hold the largest gift.
const int kAmountDigits = 6;

}

CMatanotDlg::CMatanotDlg(const CGuest& guest, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("הוספת/עריכת מתנה"));
    auto* heading = DialogHelpers::WrappedText(
        StringTable::Fill(QStringLiteral("נא למלא מתנה עבור מוזמן '%s'\nניתן למלא מתנה רגילה ו/או כספית"),
                          {guest.GetFullName()}),
        this);
    m_description = new QLineEdit(guest.GetGift(), this);
    m_comment = new QLineEdit(guest.GetGiftInfo(), this);
    m_shekels = new CNumberSpinEdit(kAmountDigits, 0, MoneyText::kMaxGift, this);
    m_shekels->setValue(int(guest.GetGiftShekels()));
    m_dollars = new CNumberSpinEdit(kAmountDigits, 0, MoneyText::kMaxGift, this);
    m_dollars->setValue(int(guest.GetGiftDollars()));

    auto* money = new QGroupBox(QStringLiteral("מתנה כספית"), this);
    auto* moneyForm = new QFormLayout(money);
    moneyForm->addRow(QStringLiteral("ש\"ח"), m_shekels);
    moneyForm->addRow(QStringLiteral("$$$"), m_dollars);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("תאור"), m_description);
    form->addRow(QStringLiteral("הערה"), m_comment);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(money);
    layout->addWidget(DialogHelpers::OkCancel(this));
    m_description->setFocus();
}

bool CMatanotDlg::Run(CNewZelDoc& document, CGuest& guest, QObject* sender, QWidget* parent)
{
    CMatanotDlg dialog(guest, document.Messages(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return CGiftEdits(document, sender)
        .Set(guest, dialog.m_description->text(), dialog.m_comment->text(), dialog.m_shekels->value(),
             dialog.m_dollars->value());
}

void CMatanotDlg::accept()
{
    if (!DialogHelpers::CheckRange(m_messages, m_shekels, 0, MoneyText::kMaxGift)
        || !DialogHelpers::CheckRange(m_messages, m_dollars, 0, MoneyText::kMaxGift))
        return;
    QDialog::accept();
}
