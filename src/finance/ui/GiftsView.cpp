#include "finance/ui/GiftsView.h"

#include "finance/core/GiftEdits.h"
#include "finance/core/GiftTotals.h"
#include "finance/core/MoneyText.h"
#include "finance/ui/MatanotDlg.h"

#include "guests/core/GuestSearch.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "controls/MarkupTooltip.h"
#include "controls/SearchTableDlg.h"
#include "data/document/UserQuestion.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral(
    "במסך זה הכניסו את כל המתנות שקיבלתם. כנראה שלחלק מהמוזמנים תצטרכו להחזיר מתנות בבוא הזמן, תמיד טוב לדעת כמה הם "
    "הביאו לכם. ניתן לערוך את הסכומים וההערות למתנה על ידי המקש F2 .");
const QString kTip = QStringLiteral(
    "<al_c><ct=0xFF0000><b>פרטי המתנה</b></ct><ct=0x00C000><br><hr=100><br></ct><al_r>\n%s<br><br>מתנה   : "
    "%s<br>הערות : %s<br>שקלים : %.0f<br>דולרים : %.0f<br><br>F2 לעריכת התא המודגש ליחצו<br>או על מקש האנטר</al_r>");
const QString kNotEntered = QStringLiteral("לא הוקלד");

}

CGiftsView::CGiftsView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_model(document)
{
    BuildLayout();
    Refill();
}

void CGiftsView::BuildLayout()
{
    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetCallBack(this);
    m_list->SetMessages(GetDocument().Messages());
    m_list->SetColumnEditKind(CGiftListModel::ColDescription, CellEditKind::Text);
    m_list->SetColumnEditKind(CGiftListModel::ColComment, CellEditKind::Text);
    m_list->SetColumnEditKind(CGiftListModel::ColShekels, CellEditKind::Number);
    m_list->SetColumnEditKind(CGiftListModel::ColDollars, CellEditKind::Number);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (Language::IsEnglish()) {
        // English reads names, description, dollars, total and then the comment.
        m_list->setColumnHidden(CGiftListModel::ColShekels, true);
        QHeaderView* header = m_list->horizontalHeader();
        header->moveSection(header->visualIndex(CGiftListModel::ColComment), CGiftListModel::ColumnCount - 1);
    }
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditGift(); });
    connect(m_list, &CListCtrlEx::ContextMenuRequested, this, &CGiftsView::OnListContextMenu);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const bool selected = SelectedGuest() != nullptr;
        m_edit->setEnabled(selected);
        m_delete->setEnabled(selected);
    });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &CGiftsView::DeleteGift);
    auto* findNext = new QShortcut(QKeySequence(Qt::Key_F3), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(findNext, &QShortcut::activated, this, [this] { FindNext(true); });
    auto* findPrevious = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(findPrevious, &QShortcut::activated, this, [this] { FindNext(false); });

    m_edit = new QPushButton(QStringLiteral("עריכת מתנה"), this);
    m_delete = new QPushButton(QStringLiteral("מחיקת מתנה"), this);
    connect(m_edit, &QPushButton::clicked, this, &CGiftsView::EditGift);
    connect(m_delete, &QPushButton::clicked, this, &CGiftsView::DeleteGift);

    auto* sums = new QGroupBox(QStringLiteral("סיכום הכנסות"), this);
    m_shekels = new QLabel(sums);
    m_dollars = new QLabel(sums);
    m_total = new QLabel(sums);
    m_total->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_warning = new QLabel(QStringLiteral("שימו לב - שער הדולר לא נקבע!"), sums);
    m_warning->setStyleSheet(QStringLiteral("color: #D00000;"));
    m_warning->setWordWrap(true);
    auto* calculator = new QPushButton(QStringLiteral("מחשבון"), sums);
    connect(calculator, &QPushButton::clicked, this, [this] { emit CommandRequested(ID_CALCULATOR); });
    auto* form = new QFormLayout(sums);
    form->addRow(QStringLiteral("שקלים"), m_shekels);
    form->addRow(QStringLiteral("דולרים"), m_dollars);
    form->addRow(QStringLiteral("סך הכל (ש\"ח)"), m_total);
    form->addRow(m_warning);
    form->addRow(calculator);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(sums);
    auto* panels = new QHBoxLayout;
    panels->addWidget(m_list, 1);
    panels->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHelpers::WrappedText(kHint, this));
    layout->addLayout(panels, 1);
}

void CGiftsView::OnUpdate(QObject*, int hint, CHintObject* object)
{
    switch (hint) {
    case HINT_EVENT_RELOADING:
        m_model.Clear();
        break;
    case HINT_GUEST_ADDED:
    case HINT_GUEST_DELETED:
    case HINT_EVENT_RELOADED:
    case HINT_REWRITE_ROWS:
        Refill();
        break;
    case HINT_GUEST_CHANGED:
        if (const auto* guest = dynamic_cast<const CGuest*>(object)) {
            const int row = m_model.RowOf(guest);
            if (row >= 0)
                m_list->SelectRow(row);
            m_model.RefreshGuest(guest);
        } else {
            Refill();
        }
        break;
    case HINT_GIFT_CHANGED:
        if (const auto* guest = dynamic_cast<const CGuest*>(object))
            m_model.RefreshGuest(guest);
        RefreshSums();
        break;
    case HINT_DOLLAR_RATE_CHANGED:
        m_model.RefreshTotals();
        RefreshSums();
        break;
    default:
        break;
    }
}

void CGiftsView::OnActivate()
{
    CNewZelDoc& document = GetDocument();
    document.Settings().SetLastUIMode(kPosition);
    RefreshSums();
    // Shekels and dollars add up only at a rate: the first visit asks for one.
    if (!m_activated && Language::IsHebrew() && document.Settings().GetDolarToShekel() == 0)
        emit CommandRequested(ID_DOLLAR_RATE);
    m_activated = true;
}

bool CGiftsView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_EDIT || commandId == ID_OBJECT_DELETE
           || commandId == ID_OBJECT_FIND;
}

bool CGiftsView::IsCommandEnabled(int commandId) const
{
    return commandId == ID_OBJECT_FIND || SelectedGuest() != nullptr;
}

void CGiftsView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_DELETE:
        DeleteGift();
        break;
    case ID_OBJECT_FIND:
        Search();
        break;
    default:
        EditGift();
        break;
    }
}

void CGiftsView::Search()
{
    CSearchTableDlg dialog(m_searchUp, m_searchText, QString(), false, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_searchText = dialog.GuestText();
    m_searchUp = dialog.IsUp();
    FindNext(!m_searchUp);
}

bool CGiftsView::FindNext(bool down)
{
    const int row = GuestSearch::Find(GetDocument().Guests(), m_searchText, m_lastFound, down);
    if (row < 0 || row >= m_model.rowCount()) {
        UserQuestion::Ask(GetDocument().Messages(), QStringLiteral("לא נמצא מוזמן זה"), QStringLiteral("לא נמצא מוזמן"), MSG_OK);
        return false;
    }
    m_list->SelectRow(row);
    m_lastFound = row;
    return true;
}

CGuest* CGiftsView::SelectedGuest() const
{
    return m_model.GuestAt(m_list->SelectedRow());
}

void CGiftsView::Refill()
{
    m_lastFound = -1;
    const int previous = m_list->SelectedRow();
    m_model.Refill();
    const int rows = m_model.rowCount();
    if (rows > 0)
        m_list->SelectRow(qBound(0, previous, rows - 1));
    m_edit->setEnabled(rows > 0);
    m_delete->setEnabled(rows > 0);
    RefreshSums();
    FitColumns();
}

void CGiftsView::RefreshSums()
{
    const double rate = GetDocument().Settings().GetDolarToShekel();
    const CGiftTotals totals = CGiftTotals::Compute(GetDocument().Guests(), rate);
    m_shekels->setText(MoneyText::Whole(totals.shekels));
    m_dollars->setText(MoneyText::Whole(totals.dollars));
    m_total->setText(MoneyText::TwoDecimals(totals.total));
    m_warning->setVisible(rate == 0);
}

void CGiftsView::FitColumns()
{
    const int width = m_list->viewport()->width();
    const bool hebrew = Language::IsHebrew();
    m_list->setColumnWidth(CGiftListModel::ColNumber, hebrew ? 27 : 30);
    m_list->setColumnWidth(CGiftListModel::ColNames, width / 3 - 27);
    m_list->setColumnWidth(CGiftListModel::ColDescription, hebrew ? width / 6 : width / 5);
    // The English comment comes last and takes what the other columns leave.
    m_list->setColumnWidth(CGiftListModel::ColComment,
                           hebrew ? width / 7 : qMax(40, width - 30 - (width / 3 - 27) - width / 5 - (width / 5 - 55) - (width / 8 + 5)));
    m_list->setColumnWidth(CGiftListModel::ColShekels, width / 9);
    m_list->setColumnWidth(CGiftListModel::ColDollars, hebrew ? width / 9 : width / 5 - 55);
    m_list->setColumnWidth(CGiftListModel::ColTotal, hebrew ? width / 9 : width / 8 + 5);
}

QString CGiftsView::TipMarkup(int row) const
{
    const CGuest* guest = m_model.GuestAt(row);
    if (!guest)
        return QString();
    const auto orNotEntered = [](const QString& text) { return text.isEmpty() ? kNotEntered : text; };
    return StringTable::Fill(kTip, {guest->GetFullName(), orNotEntered(guest->GetGift()),
                                    orNotEntered(guest->GetGiftInfo()), MoneyText::Whole(guest->GetGiftShekels()),
                                    MoneyText::Whole(guest->GetGiftDollars())});
}

bool CGiftsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::Resize)
            FitColumns();
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const QString markup = TipMarkup(m_list->rowAt(help->pos().y()));
            if (markup.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), CMarkupTooltip::ToHtml(markup), m_list->viewport());
            return true;
        }
    }
    return CGenericView::eventFilter(watched, event);
}

void CGiftsView::OnListContextMenu(int row, const QPoint& globalPos)
{
    if (row < 0 || row != m_list->SelectedRow())
        return;
    QMenu* menu = BuildContextMenu(this);
    menu->exec(globalPos);
    menu->deleteLater();
}

QMenu* CGiftsView::BuildContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("עבור לפרטי המוזמן"), this, &CGiftsView::ShowGuestDetails);
    menu->addAction(QStringLiteral("הוסף מתנה..."), this, &CGiftsView::EditGift);
    return menu;
}

void CGiftsView::EditGift()
{
    if (CGuest* guest = SelectedGuest())
        CMatanotDlg::Run(GetDocument(), *guest, this, this);
}

void CGiftsView::DeleteGift()
{
    if (CGuest* guest = SelectedGuest())
        CGiftEdits(GetDocument(), this).Delete(*guest);
}

void CGiftsView::ShowGuestDetails()
{
    if (CGuest* guest = SelectedGuest())
        GetDocument().UpdateAllViews(this, HINT_SHOW_GUEST, guest);
}

bool CGiftsView::MayEditCell(int column, int row, QString&)
{
    return m_model.GuestAt(row) != nullptr;
}

void CGiftsView::GetCellChoices(int, int, QStringList& choices, int& current)
{
    choices.clear();
    current = -1;
}

int CGiftsView::OnCommitCell(int column, int row, const QString&, const QString& newText)
{
    CGuest* guest = m_model.GuestAt(row);
    if (!guest)
        return CommitIgnored;
    CGiftEdits edits(GetDocument(), this);
    switch (column) {
    case CGiftListModel::ColDescription:
        edits.SetDescription(*guest, newText);
        return CommitAccepted;
    case CGiftListModel::ColComment:
        edits.SetComment(*guest, newText);
        return CommitAccepted;
    case CGiftListModel::ColShekels:
        return edits.SetShekels(*guest, newText) ? CommitAccepted : CommitRejected;
    case CGiftListModel::ColDollars:
        return edits.SetDollars(*guest, newText) ? CommitAccepted : CommitRejected;
    default:
        return CommitIgnored;
    }
}
