#include "finance/ui/ExpencesView.h"

#include "finance/core/ExpenseEdits.h"
#include "finance/core/ExpenseTotals.h"
#include "finance/core/MoneyText.h"
#include "finance/ui/DatePickerDlg.h"
#include "finance/ui/DolarRateDlg.h"
#include "finance/ui/PaymentDlg.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "controls/MarkupTooltip.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Expence.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QEvent>
#include <QHelpEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral("במסך זה רכזו את כל ההוצאות שלכם .")
                      + QStringLiteral(" ריכוז זה יאפשר לכם לעקוב אחרי ההוצאות ולשלוט בהן. ברירת המחדל מציגה מספר הוצאות "
                                       "נפוצות אך אתם יכולים תמיד להוסיף את \"הצניחה למרכז הרחבה\" או \"שכירת לימוזינה\" "
                                       "וכדומה לרשימת ההוצאות היחודית שלכם.");
const QString kTip = QStringLiteral(
    "<al_c><ct=0xFF0000><b>פרטי ההוצאה המסומנת</b></ct><ct=0x00C000><br><hr=100%%><br></ct><al_r>%s<br><br>הערות : "
    "%s<br>שקלים : %.0f<br>דולרים : %.0f<br>שולם : %s<br>תשלומים : %d<br>מי משלם : %s</al_r>\n\n");
const QString kNotEntered = QStringLiteral("לא הוקלד");

QString OrNotEntered(const QString& text)
{
    return text.isEmpty() ? kNotEntered : text;
}

}

CExpencesView::CExpencesView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_model(document)
{
    BuildLayout();
    Refill(nullptr);
}

void CExpencesView::BuildLayout()
{
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("הוצאות"));
    menu->addAction(QStringLiteral("הוספה ..."), this, &CExpencesView::AddExpense);
    m_editAction = menu->addAction(QStringLiteral("עריכה ..."), this, &CExpencesView::EditExpense);
    m_deleteAction = menu->addAction(QStringLiteral("מחיקה ..."), this, &CExpencesView::DeleteExpense);

    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetCallBack(this);
    m_list->SetMessages(GetDocument().Messages());
    m_list->SetColumnEditKind(CExpenseListModel::ColName, CellEditKind::Text);
    m_list->SetColumnEditKind(CExpenseListModel::ColShekels, CellEditKind::Number);
    m_list->SetColumnEditKind(CExpenseListModel::ColDollars, CellEditKind::Number);
    m_list->SetColumnEditKind(CExpenseListModel::ColDate, CellEditKind::Custom);
    m_list->SetColumnEditKind(CExpenseListModel::ColComments, CellEditKind::Text);
    m_list->setColumnHidden(CExpenseListModel::ColShekels, Language::IsEnglish());
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->viewport()->installEventFilter(this);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == CExpenseListModel::ColDate)
            SortByDate();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        UpdateButtons();
        UpdateTooltip();
    });
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditExpense(); });
    connect(m_list, &CListCtrlEx::ContextMenuRequested, this, &CExpencesView::OnListContextMenu);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &CExpencesView::DeleteExpense);

    m_up = new QPushButton(QStringLiteral("▲"), this);
    m_down = new QPushButton(QStringLiteral("▼"), this);
    for (QPushButton* arrow : {m_up, m_down})
        arrow->setFixedWidth(arrow->sizeHint().height() + 8);
    m_up->setToolTip(QStringLiteral("הזז את ההוצאה למעלה"));
    m_down->setToolTip(QStringLiteral("הזז את ההוצאה למטה"));
    connect(m_up, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveSelected(1); });

    m_add = new QPushButton(QStringLiteral("הוספת הוצאה"), this);
    m_edit = new QPushButton(QStringLiteral("עריכת הוצאה"), this);
    m_delete = new QPushButton(QStringLiteral("מחיקת הוצאה"), this);
    connect(m_add, &QPushButton::clicked, this, &CExpencesView::AddExpense);
    connect(m_edit, &QPushButton::clicked, this, &CExpencesView::EditExpense);
    connect(m_delete, &QPushButton::clicked, this, &CExpencesView::DeleteExpense);

    auto* summary = new QGroupBox(QStringLiteral("סיכום הוצאות"), this);
    m_shekels = new QLabel(summary);
    m_dollars = new QLabel(summary);
    m_total = new QLabel(summary);
    m_total->setStyleSheet(QStringLiteral("color: #D00000; font-weight: bold;"));
    m_paid = new QLabel(summary);
    m_remaining = new QLabel(summary);
    m_remaining->setStyleSheet(QStringLiteral("color: #0000C0; font-weight: bold;"));
    auto* calculator = new QPushButton(QStringLiteral("מחשבון"), summary);
    m_rate = new QPushButton(QStringLiteral("שער דולר"), summary);
    connect(calculator, &QPushButton::clicked, this, [this] { emit CommandRequested(ID_CALCULATOR); });
    connect(m_rate, &QPushButton::clicked, this, [this] { CDolarRateDlg::Run(GetDocument(), this, this); });
    auto* grid = new QGridLayout(summary);
    int line = 0;
    if (Language::IsHebrew()) {
        grid->addWidget(new QLabel(QStringLiteral("שקלים:"), summary), line, 0);
        grid->addWidget(m_shekels, line++, 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("דולרים:"), summary), line, 0);
    grid->addWidget(m_dollars, line++, 1);
    grid->addWidget(new QLabel(QStringLiteral("סה\"כ לתשלום:"), summary), line, 0);
    grid->addWidget(m_total, line++, 1);
    grid->addWidget(new QLabel(QStringLiteral("שולם עד כה:"), summary), line, 0);
    grid->addWidget(m_paid, line++, 1);
    grid->addWidget(new QLabel(QStringLiteral("נותר לשלם:"), summary), line, 0);
    grid->addWidget(m_remaining, line++, 1);
    auto* summaryButtons = new QHBoxLayout;
    summaryButtons->addWidget(calculator);
    summaryButtons->addWidget(m_rate);
    grid->addLayout(summaryButtons, line, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    m_shekels->setVisible(Language::IsHebrew());

    QHBoxLayout* listRow = DialogHelpers::ListWithUpDown(m_list, m_up, m_down);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(summary);
    auto* panels = new QHBoxLayout;
    panels->addLayout(listRow, 1);
    panels->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(DialogHelpers::WrappedText(kHint, this));
    layout->addLayout(panels, 1);
}

void CExpencesView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    switch (hint) {
    case HINT_EVENT_RELOADING:
        m_model.Clear();
        break;
    case HINT_EVENT_RELOADED:
        Refill(nullptr);
        break;
    case HINT_EXPENSE_ADDED:
    case HINT_EXPENSE_CHANGED:
        if (!m_changing) {
            const auto* expense = dynamic_cast<const CExpence*>(object);
            // An expense of this page keeps its row; a changed order or a deletion is drawn anew.
            if (expense && hint == HINT_EXPENSE_CHANGED && m_model.RowOf(expense) >= 0)
                m_model.RefreshExpense(expense);
            else
                Refill(sender == this ? expense : SelectedExpense());
            RefreshTotals();
        }
        break;
    case HINT_DOLLAR_RATE_CHANGED:
        RefreshTotals();
        break;
    default:
        break;
    }
}

void CExpencesView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
    RefreshTotals();
}

bool CExpencesView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_EDIT || commandId == ID_OBJECT_DELETE;
}

bool CExpencesView::IsCommandEnabled(int commandId) const
{
    return commandId == ID_OBJECT_ADD || SelectedExpense() != nullptr;
}

void CExpencesView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddExpense();
        break;
    case ID_OBJECT_EDIT:
        EditExpense();
        break;
    case ID_OBJECT_DELETE:
        DeleteExpense();
        break;
    default:
        break;
    }
}

CExpence* CExpencesView::SelectedExpense() const
{
    return m_model.ExpenseAt(m_list->SelectedRow());
}

void CExpencesView::SelectExpense(const CExpence* expense)
{
    const int row = m_model.RowOf(expense);
    if (row >= 0)
        m_list->SelectRow(row);
}

void CExpencesView::Refill(const CExpence* select)
{
    const int previous = m_list->SelectedRow();
    m_model.Refill();
    const int rows = m_model.rowCount();
    const int row = m_model.RowOf(select);
    if (rows > 0)
        m_list->SelectRow(row >= 0 ? row : qBound(0, previous, rows - 1));
    RefreshTotals();
    UpdateButtons();
    FitColumns();
}

void CExpencesView::RefreshTotals()
{
    CNewZelDoc& document = GetDocument();
    const CExpenseTotals totals =
        CExpenseTotals::Compute(document.Expenses(), document.Settings().GetDolarToShekel(), Language::IsHebrew());
    m_shekels->setText(MoneyText::Whole(double(totals.shekels)));
    m_dollars->setText(Language::IsHebrew() ? StringTable::Fill(QStringLiteral("%s x %s = %s"),
                                                                {MoneyText::Whole(double(totals.dollars)),
                                                                 MoneyText::Rate(totals.rate),
                                                                 MoneyText::Whole(totals.dollarsInShekels)})
                                            : MoneyText::Whole(double(totals.dollars)));
    m_total->setText(MoneyText::Whole(totals.total));
    m_paid->setText(MoneyText::Whole(totals.paid));
    m_remaining->setText(MoneyText::Whole(totals.remaining));
}

void CExpencesView::UpdateButtons()
{
    const int row = m_list->SelectedRow();
    const bool selected = SelectedExpense() != nullptr;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_editAction->setEnabled(selected);
    m_deleteAction->setEnabled(selected);
    m_up->setEnabled(selected && row >= 1);
    m_down->setEnabled(selected && row < m_model.rowCount() - 1);
}

QString CExpencesView::SelectedTipMarkup() const
{
    const CExpence* expense = SelectedExpense();
    if (!expense)
        return QString();
    return StringTable::Fill(kTip, {OrNotEntered(expense->GetName()), OrNotEntered(expense->GetInfo()),
                                    QString::number(expense->GetShekels()), QString::number(expense->GetDollars()),
                                    expense->GetPaidText(), QString::number(expense->GetPaymentCount()),
                                    OrNotEntered(expense->GetPayer())});
}

void CExpencesView::UpdateTooltip()
{
    const QString markup = SelectedTipMarkup();
    m_list->viewport()->setToolTip(markup.isEmpty() ? QString() : CMarkupTooltip::ToHtml(markup));
}

bool CExpencesView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::Resize)
            FitColumns();
        // The tip describes the selected row only.
        if (event->type() == QEvent::ToolTip) {
            const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
            if (m_list->rowAt(pos.y()) != m_list->SelectedRow())
                return true;
        }
    }
    return CGenericView::eventFilter(watched, event);
}

void CExpencesView::FitColumns()
{
    const int width = m_list->viewport()->width();
    const bool hebrew = Language::IsHebrew();
    m_list->setColumnWidth(CExpenseListModel::ColNumber, hebrew ? 27 : 30);
    m_list->setColumnWidth(CExpenseListModel::ColName, hebrew ? 152 : qMax(80, width / 2 - 120));
    m_list->setColumnWidth(CExpenseListModel::ColPaid, hebrew ? 50 : 60);
    m_list->setColumnWidth(CExpenseListModel::ColShekels, 48);
    m_list->setColumnWidth(CExpenseListModel::ColDollars, hebrew ? 49 : 45);
    m_list->setColumnWidth(CExpenseListModel::ColDate, 80);
    m_list->setColumnWidth(CExpenseListModel::ColPayments, hebrew ? 30 : 60);
}

void CExpencesView::OnListContextMenu(int row, const QPoint& globalPos)
{
    if (row < 0 || row != m_list->SelectedRow())
        return;
    QMenu* menu = BuildContextMenu(this);
    menu->exec(globalPos);
    menu->deleteLater();
}

QMenu* CExpencesView::BuildContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("שינוי פרטים"), this, &CExpencesView::EditExpense);
    menu->addAction(QStringLiteral("מחיקת הוצאה"), this, &CExpencesView::DeleteExpense);
    QAction* paid = menu->addAction(QStringLiteral("ההוצאה שולמה במלואה"), this, &CExpencesView::SetFullyPaid);
    const CExpence* expense = SelectedExpense();
    paid->setEnabled(expense && !expense->IsPaid());
    return menu;
}

void CExpencesView::AddExpense()
{
    CPaymentDlg dialog(nullptr, GetDocument().Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_changing = true;
    CExpence* expense =
        CExpenseEdits(GetDocument(), this).Add(dialog.Plan(), dialog.GetPayer(), dialog.GetName(), dialog.GetComments());
    m_changing = false;
    Refill(expense);
}

void CExpencesView::EditExpense()
{
    CExpence* expense = SelectedExpense();
    if (!expense)
        return;
    CPaymentDlg dialog(expense, GetDocument().Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CExpenseEdits(GetDocument(), this)
        .Edit(*expense, dialog.Plan(), dialog.GetPayer(), dialog.GetName(), dialog.GetComments());
    m_model.RefreshExpense(expense);
    RefreshTotals();
    UpdateTooltip();
}

void CExpencesView::DeleteExpense()
{
    CExpence* expense = SelectedExpense();
    if (!expense)
        return;
    const int row = m_list->SelectedRow();
    m_changing = true;
    const bool deleted = CExpenseEdits(GetDocument(), this).Delete(*expense);
    m_changing = false;
    if (!deleted)
        return;
    m_model.Refill();
    const int rows = m_model.rowCount();
    if (rows > 0)
        m_list->SelectRow(qMin(row, rows - 1));
    RefreshTotals();
    UpdateButtons();
    m_list->setFocus();
}

void CExpencesView::SetFullyPaid()
{
    if (CExpence* expense = SelectedExpense())
        CExpenseEdits(GetDocument(), this).SetFullyPaid(*expense);
}

void CExpencesView::MoveSelected(int step)
{
    CExpence* expense = SelectedExpense();
    if (!expense)
        return;
    m_changing = true;
    const bool moved = CExpenseEdits(GetDocument(), this).Move(m_list->SelectedRow(), step);
    m_changing = false;
    if (moved)
        Refill(expense);
}

void CExpencesView::SortByDate()
{
    CExpence* expense = SelectedExpense();
    m_changing = true;
    CExpenseEdits(GetDocument(), this).SortByDate(m_sortAscending);
    m_changing = false;
    m_sortAscending = !m_sortAscending;
    Refill(expense);
}

bool CExpencesView::MayEditCell(int column, int row, QString&)
{
    const CExpence* expense = m_model.ExpenseAt(row);
    if (!expense)
        return false;
    switch (column) {
    case CExpenseListModel::ColComments:
        return CExpenseEdits(GetDocument(), this).MayEditComments(*expense);
    case CExpenseListModel::ColShekels:
    case CExpenseListModel::ColDollars:
        return CExpenseEdits(GetDocument(), this).MayEditPayment(*expense);
    case CExpenseListModel::ColDate:
        if (!CExpenseEdits::HasOnePaymentAtMost(*expense)) {
            // Several payments have several dates: the dialog shows them all.
            QTimer::singleShot(0, this, [this, expense] {
                SelectExpense(expense);
                EditExpense();
            });
            return false;
        }
        return true;
    default:
        return true;
    }
}

void CExpencesView::GetCellChoices(int, int, QStringList& choices, int& current)
{
    choices.clear();
    current = -1;
}

bool CExpencesView::EditCustomCell(int column, int row, QString& text)
{
    const CExpence* expense = m_model.ExpenseAt(row);
    if (!expense || column != CExpenseListModel::ColDate)
        return false;
    const QString title = m_model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    CDatePickerDlg picker(title, expense->GetDate(), this);
    if (picker.exec() != QDialog::Accepted)
        return false;
    text = picker.GetDate().ToText();
    return true;
}

int CExpencesView::OnCommitCell(int column, int row, const QString&, const QString& newText)
{
    CExpence* expense = m_model.ExpenseAt(row);
    if (!expense)
        return CommitIgnored;
    CExpenseEdits edits(GetDocument(), this);
    switch (column) {
    case CExpenseListModel::ColName:
        return edits.SetName(*expense, newText) ? CommitAccepted : CommitIgnored;
    case CExpenseListModel::ColComments:
        return edits.SetComments(*expense, newText) ? CommitAccepted : CommitIgnored;
    case CExpenseListModel::ColShekels:
        return edits.SetAmount(*expense, CExpenseEdits::Currency::Shekels, newText) ? CommitAccepted : CommitRejected;
    case CExpenseListModel::ColDollars:
        return edits.SetAmount(*expense, CExpenseEdits::Currency::Dollars, newText) ? CommitAccepted : CommitRejected;
    case CExpenseListModel::ColDate: {
        const ShortDate date = ShortDate::FromText(newText);
        if (date.IsEmpty() && newText != ShortDate().ToText())
            return CommitRejected;
        return edits.SetDate(*expense, date) ? CommitAccepted : CommitRejected;
    }
    default:
        return CommitIgnored;
    }
}
