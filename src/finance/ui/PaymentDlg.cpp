#include "finance/ui/PaymentDlg.h"

#include "finance/core/ExpenseEdits.h"
#include "finance/core/MoneyText.h"
#include "finance/ui/DatePickerDlg.h"
#include "finance/ui/ExpencesDlg.h"

#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "data/records/Expence.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Yes()
{
    return StringTable::Get(59444);
}

QString No()
{
    return StringTable::Get(59445);
}

}

CPaymentDlg::CPaymentDlg(const CExpence* expense, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_plan(expense ? CPaymentPlan::FromExpense(*expense) : CPaymentPlan())
    , m_model(m_plan)
{
    setWindowTitle(expense ? QStringLiteral("שינוי הוצאה קיימת") : QStringLiteral("הוספת הוצאה חדשה"));
    m_name = new QLineEdit(expense ? expense->GetName() : CExpenseEdits::NewExpenseName(), this);
    m_comments = DialogHelpers::CommentsField(expense ? expense->GetInfo() : QString(), this);
    m_payer = new QComboBox(this);
    m_payer->addItems(PayerChoices());
    // A payer written by an older version keeps its text.
    const QString payer = expense ? expense->GetPayer() : QString();
    if (!payer.isEmpty() && !PayerChoices().contains(payer))
        m_payer->addItem(payer);
    m_payer->setCurrentIndex(payer.isEmpty() ? 0 : m_payer->findText(payer));

    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetCallBack(this);
    m_list->SetMessages(messages);
    m_list->SetColumnEditKind(CPaymentRowsModel::ColDate, CellEditKind::Custom);
    m_list->SetColumnEditKind(CPaymentRowsModel::ColShekels, CellEditKind::Number);
    m_list->SetColumnEditKind(CPaymentRowsModel::ColDollars, CellEditKind::Number);
    m_list->SetColumnEditKind(CPaymentRowsModel::ColPaid, CellEditKind::DropDown);
    m_list->SetColumnEditKind(CPaymentRowsModel::ColInfo, CellEditKind::Text);
    m_list->setColumnHidden(CPaymentRowsModel::ColShekels, Language::IsEnglish());
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int digit = m_list->fontMetrics().horizontalAdvance(QStringLiteral("0"));
    m_list->setColumnWidth(CPaymentRowsModel::ColNumber, digit * 5);
    m_list->setColumnWidth(CPaymentRowsModel::ColDate, digit * 12);
    m_list->setColumnWidth(CPaymentRowsModel::ColShekels, digit * 10);
    m_list->setColumnWidth(CPaymentRowsModel::ColDollars, digit * 9);
    m_list->setColumnWidth(CPaymentRowsModel::ColPaid, digit * 7);
    m_list->setMinimumWidth(digit * 66);
    const int rowHeight = m_list->fontMetrics().height() + 6;
    m_list->SetRowHeight(rowHeight);
    // Every row of the ten payments, the empty row and the sum row is seen without scrolling.
    m_list->setMinimumHeight(rowHeight * m_model.rowCount() + m_list->horizontalHeader()->sizeHint().height()
                             + 2 * m_list->frameWidth());
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditPayment(); });

    m_add = new QPushButton(QStringLiteral("הוספת תשלום"), this);
    m_edit = new QPushButton(QStringLiteral("עריכת תשלום"), this);
    m_delete = new QPushButton(QStringLiteral("מחיקת תשלום"), this);
    connect(m_add, &QPushButton::clicked, this, &CPaymentDlg::AddPayment);
    connect(m_edit, &QPushButton::clicked, this, &CPaymentDlg::EditPayment);
    connect(m_delete, &QPushButton::clicked, this, &CPaymentDlg::DeletePayment);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("תאור ההוצאה:"), m_name);
    form->addRow(QStringLiteral("הערות:"), m_comments);
    form->addRow(QStringLiteral("מי משלם:"), m_payer);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("תשלומים"), this));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    layout->addWidget(DialogHelpers::OkCancel(this));
    m_list->SelectRow(0);
    m_name->setFocus();
    m_name->selectAll();
}

const QStringList& CPaymentDlg::PayerChoices()
{
    static const QStringList choices = {
        QStringLiteral("לא ידוע עדין"), QStringLiteral("החתן"),      QStringLiteral("הכלה"),
        QStringLiteral("החתן והכלה"),   QStringLiteral("הורי החתן"), QStringLiteral("הורי הכלה"),
        QStringLiteral("הורי החתן והכלה"),
    };
    return choices;
}

QString CPaymentDlg::GetName() const
{
    return m_name->text();
}

QString CPaymentDlg::GetComments() const
{
    return DialogHelpers::CommentsText(m_comments);
}

QString CPaymentDlg::GetPayer() const
{
    return m_payer->currentText();
}

void CPaymentDlg::Changed(int selectRow)
{
    m_model.Refresh();
    if (selectRow >= 0)
        m_list->SelectRow(selectRow);
}

void CPaymentDlg::AddPayment()
{
    CPaymentPlan::Row row;
    row.date = ShortDate::Today();
    CExpencesDlg dialog(row, m_messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Changed(m_plan.Add(dialog.GetPayment()));
}

void CPaymentDlg::EditPayment()
{
    const int index = m_list->SelectedRow();
    const CPaymentPlan::Row* row = m_plan.At(index);
    if (!row)
        return;
    CExpencesDlg dialog(*row, m_messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_plan.Replace(index, dialog.GetPayment());
    Changed(index);
}

void CPaymentDlg::DeletePayment()
{
    const int index = m_list->SelectedRow();
    if (!m_plan.Delete(index))
        return;
    Changed(qMin(index, m_plan.UsedCount() - 1));
}

bool CPaymentDlg::MayEditCell(int column, int row, QString&)
{
    return column != CPaymentRowsModel::ColNumber && m_plan.At(row) != nullptr;
}

void CPaymentDlg::GetCellChoices(int, int row, QStringList& choices, int& current)
{
    choices = {Yes(), No()};
    const CPaymentPlan::Row* payment = m_plan.At(row);
    current = payment && payment->paid ? 0 : 1;
}

bool CPaymentDlg::EditCustomCell(int, int row, QString& text)
{
    const CPaymentPlan::Row* payment = m_plan.At(row);
    if (!payment)
        return false;
    CDatePickerDlg picker(QStringLiteral("תאריך התשלום"), payment->date, this);
    if (picker.exec() != QDialog::Accepted)
        return false;
    text = picker.GetDate().ToText();
    return true;
}

int CPaymentDlg::OnCommitCell(int column, int row, const QString&, const QString& newText)
{
    const CPaymentPlan::Row* current = m_plan.At(row);
    if (!current)
        return CommitIgnored;
    CPaymentPlan::Row payment = *current;
    switch (column) {
    case CPaymentRowsModel::ColShekels:
        if (!MoneyText::ParseAmount(newText, MoneyText::kMaxExpenseShekels, payment.shekels))
            return CommitRejected;
        break;
    case CPaymentRowsModel::ColDollars:
        if (!MoneyText::ParseAmount(newText, MoneyText::kMaxExpenseDollars, payment.dollars))
            return CommitRejected;
        break;
    case CPaymentRowsModel::ColPaid:
        if (newText != Yes() && newText != No())
            return CommitRejected;
        payment.paid = newText == Yes();
        break;
    case CPaymentRowsModel::ColDate:
        payment.date = ShortDate::FromText(newText);
        if (payment.date.IsEmpty() && newText != ShortDate().ToText())
            return CommitRejected;
        break;
    case CPaymentRowsModel::ColInfo:
        payment.info = newText;
        break;
    default:
        return CommitIgnored;
    }
    m_plan.Replace(row, payment);
    return CommitAccepted;
}
