#include "guests/ui/GuestsView.h"

#include "guests/ui/GuestColumns.h"
#include "guests/ui/GuestFilterBar.h"
#include "guests/ui/GuestInfoTab1.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/core/GuestEdits.h"
#include "guests/core/GuestSearch.h"
#include "guests/core/GuestTexts.h"
#include "guests/ui/MultiGuestOperationDlg.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "controls/MarkupTooltip.h"
#include "data/document/UserQuestion.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "controls/SearchTableDlg.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Hints of other pages that carry no enum name of their own.

const QString kListTip = QStringLiteral(
    "<al_c><ct=0xFF0000><b>רשימת המוזמנים</b><ct=0x00C000><br><hr=100%%><br></ct><al_r>כאן מופיעים כל המוזמנים שהקלדתם<br>"
    "ניתן לערוך את עמודות השיכות והקבוצות על ידי לחיצה ארוכה עם העכבר<br> בתא אותו אתם רוצים לשנות<ct=0x00C000><br><hr=100%%></ct><br>");
const QString kGuestTip = QStringLiteral("<b>שם %s</b><br>קבוצה %s<br>שיכות %s");

enum SortFlag { SortGroup, SortNames, SortRelation, SortStatus, SortInvitation };

// The columns a header click sorts, with their direction flag; first and family names share one.
struct SortColumn
{
    int column;
    GuestSort::Key key;
    int flag;
};
const SortColumn kSortColumns[] = {
    {CGuestListModel::ColGroup, GuestSort::Key::Group, SortGroup},
    {CGuestListModel::ColNames, GuestSort::Key::FirstNames, SortNames},
    {CGuestListModel::ColFamily, GuestSort::Key::FamilyName, SortNames},
    {CGuestListModel::ColRelation, GuestSort::Key::Relation, SortRelation},
    {CGuestListModel::ColStatus, GuestSort::Key::Status, SortStatus},
    {CGuestListModel::ColInvitationSent, GuestSort::Key::InvitationSent, SortInvitation},
};

QString Tip(const QString& title, const QString& text)
{
    return CMarkupTooltip::ToHtml(QStringLiteral("<al_c><ct=0xFF0000><b>") + title +
                                  QStringLiteral("</b><ct=0x00C000><br><hr=100%><br></ct><al_r>") + text);
}

}

CGuestsView::CGuestsView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
{
    BuildLayout();
    m_columns->Load();
    RefillGroups();
    Rebuild();
}

void CGuestsView::BuildLayout()
{
    m_filterBar = new CGuestFilterBar(this);
    connect(m_filterBar, &CGuestFilterBar::Changed, this, [this] { Rebuild(); });

    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetCallBack(this);
    m_list->SetMessages(GetDocument().Messages());
    for (int column : {CGuestListModel::ColRelation, CGuestListModel::ColGroup, CGuestListModel::ColInvitationSent})
        m_list->SetColumnEditKind(column, CellEditKind::DropDown);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, &CGuestsView::SortByColumn);
    connect(m_list->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowColumnMenu(m_list->horizontalHeader()->mapToGlobal(pos)); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CGuestsView::OnSelectionChanged);
    connect(m_list, &CListCtrlEx::ContextMenuRequested, this, &CGuestsView::OnListContextMenu);
    connect(&m_model, &CGuestListModel::CheckBoxClicked, this, [this](int row) {
        if (row == m_list->SelectedRow())
            ToggleApproval();
    });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &CGuestsView::DeleteGuest);
    auto* findNext = new QShortcut(QKeySequence(Qt::Key_F3), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(findNext, &QShortcut::activated, this, [this] { FindNext(true); });
    auto* findPrevious = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(findPrevious, &QShortcut::activated, this, [this] { FindNext(false); });
    m_columns = new CGuestColumns(*m_list, GetDocument().Settings(), this);

    m_statistics = new CListCtrlEx(this);
    m_statistics->setModel(&m_statisticsModel);
    m_statistics->setSelectionMode(QAbstractItemView::NoSelection);
    m_statistics->setFocusPolicy(Qt::NoFocus);
    m_statistics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_statistics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_statistics->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int rowHeight = m_statistics->verticalHeader()->defaultSectionSize();
    m_statistics->setFixedHeight(m_statistics->horizontalHeader()->sizeHint().height() +
                                 rowHeight * CGuestStatistics::RowCount + 2 * m_statistics->frameWidth());
    m_statistics->viewport()->installEventFilter(this);

    m_tab1 = new CGuestInfoTab1(GetDocument(), this);
    m_tab2 = new CGuestInfoTab2(GetDocument(), this);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(m_tab1, m_tab1->Title());
    m_tabs->addTab(m_tab2, m_tab2->Title());
    connect(m_tab1, &CGuestInfoTabBase::GuestEdited, this, [this](CGuest* guest) { OnGuestEdited(guest, true); });
    connect(m_tab2, &CGuestInfoTabBase::GuestEdited, this, [this](CGuest* guest) { OnGuestEdited(guest, false); });
    connect(m_tab2, &CGuestInfoTab2::ShowPersonalPage, this, [this] { m_tabs->setCurrentWidget(m_tab1); });
    for (CGuestInfoTabBase* tab : {static_cast<CGuestInfoTabBase*>(m_tab1), static_cast<CGuestInfoTabBase*>(m_tab2)})
        connect(tab, &CGuestInfoTabBase::SmsRequested, this, [this] { emit CommandRequested(ID_SEND_SMS); });

    BuildButtons();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_delete, m_search, m_multi, m_columnsButton})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(m_list, 1);
    listColumn->addWidget(m_statistics);
    listColumn->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 3);
    body->addWidget(m_tabs, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filterBar);
    layout->addLayout(body, 1);
}

void CGuestsView::BuildButtons()
{
    m_add = new QPushButton(QStringLiteral("הוספת מוזמנים חדשים"), this);
    m_delete = new QPushButton(QStringLiteral("מחיקה"), this);
    m_search = new QPushButton(QStringLiteral("חיפוש"), this);
    m_multi = new QPushButton(QStringLiteral("שינוי מספר מוזמנים במקביל ..."), this);
    m_columnsButton = new QPushButton(QStringLiteral("עמודות"), this);
    m_add->setToolTip(Tip(QStringLiteral("(Ctrl+N) הוספה"), QStringLiteral("הוספת מוזמן חדש לרשימה")));
    m_delete->setToolTip(Tip(QStringLiteral("מחיקה"), QStringLiteral("מחיקת המוזמן המסומן מהרשימה")));
    m_columnsButton->setToolTip(Tip(QStringLiteral("עמודות"), QStringLiteral("בחירת העמודות שיוצגו ברשימת המוזמנים")));
    connect(m_add, &QPushButton::clicked, this, &CGuestsView::AddGuest);
    connect(m_delete, &QPushButton::clicked, this, &CGuestsView::DeleteGuest);
    connect(m_search, &QPushButton::clicked, this, &CGuestsView::Search);
    connect(m_multi, &QPushButton::clicked, this, &CGuestsView::OpenMultiGuestDialog);
    connect(m_columnsButton, &QPushButton::clicked, this,
            [this] { ShowColumnMenu(m_columnsButton->mapToGlobal(QPoint(0, m_columnsButton->height()))); });
}

bool CGuestsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_statistics->viewport() && event->type() == QEvent::Resize)
        FitStatisticsColumns();
    return CGenericView::eventFilter(watched, event);
}

void CGuestsView::FitStatisticsColumns()
{
    const int sixth = m_statistics->viewport()->width() / 6;
    const int widths[CGuestStatisticsModel::ColumnCount] = {sixth, sixth - 14, sixth, sixth, sixth + 15, sixth};
    for (int column = 0; column < CGuestStatisticsModel::ColumnCount; ++column)
        m_statistics->setColumnWidth(column, widths[column]);
}

void CGuestsView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    const bool fromOther = sender != this;
    // Only these hints name a guest; the object of another may be gone already.
    const bool namesGuest = hint == HINT_SHOW_GUEST || hint == HINT_GUEST_CHANGED || hint == HINT_GUEST_DELETED;
    auto* guest = namesGuest ? dynamic_cast<CGuest*>(object) : nullptr;
    switch (hint) {
    case HINT_SHOW_GUEST:
        if (guest) {
            if (m_model.RowOf(guest) < 0)
                ResetFilters();
            SelectGuest(guest);
        }
        break;
    case HINT_GROUPS_CHANGED:
    case HINT_GROUPS_RENAMED:
    case HINT_GROUP_ADDED:
        RefillGroups();
        // A renamed group shows in the rows of its guests.
        m_model.RefreshAll();
        break;
    case HINT_TABLE_CHANGED:
    case HINT_SEATING_REBUILT:
        m_tab1->RefreshTable();
        break;
    case HINT_GUEST_ADDED:
        if (fromOther) {
            m_filterBar->Reset();
            Rebuild(m_shown);
        }
        break;
    case HINT_GUEST_CHANGED:
        if (fromOther && guest) {
            m_model.RefreshGuest(guest);
            RefreshStatistics();
            if (guest == m_shown) {
                m_tab1->ShowGuest(guest);
                m_tab2->ShowGuest(guest);
            }
        }
        break;
    case HINT_GUEST_DELETED:
        // The row and the details must not point at a guest that is gone.
        if (guest)
            RemoveGuestRow(guest);
        break;
    case HINT_GIFT_CHANGED:
        m_tab2->RefreshGift();
        break;
    case HINT_REWRITE_ROWS:
        m_model.RefreshAll();
        RefreshStatistics();
        break;
    case HINT_EVENT_RELOADING:
        // The records go away with the reload: nothing may point at them meanwhile.
        ClearList();
        break;
    case HINT_EVENT_RELOADED:
        m_filterBar->Reset();
        RefillGroups();
        Rebuild();
        break;
    default:
        break;
    }
}

void CGuestsView::ClearList()
{
    m_list->CancelEdit();
    m_busy = true;
    m_model.SetRows({});
    m_busy = false;
    ShowGuest(nullptr);
    RefreshStatistics();
}

void CGuestsView::BeforeSave()
{
    m_list->CommitEdit();
    SaveColumnWidths();
}

void CGuestsView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
}

bool CGuestsView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_DELETE || commandId == ID_OBJECT_FIND;
}

bool CGuestsView::IsCommandEnabled(int commandId) const
{
    return commandId == ID_OBJECT_DELETE ? SelectedGuest() != nullptr : HandlesCommand(commandId);
}

void CGuestsView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddGuest();
        break;
    case ID_OBJECT_DELETE:
        DeleteGuest();
        break;
    case ID_OBJECT_FIND:
        Search();
        break;
    default:
        break;
    }
}

int CGuestsView::OnCommitCell(int column, int row, const QString&, const QString& newText)
{
    CGuest* guest = m_model.GuestAt(row);
    if (!guest || newText.isEmpty())
        return CommitIgnored;
    CGuestEdits edits(GetDocument(), this);
    switch (column) {
    case CGuestListModel::ColRelation:
        edits.Edit(*guest, [&](CGuest& g) { return g.SetRelation(newText); });
        break;
    case CGuestListModel::ColGroup:
        edits.SetGroup(*guest, newText);
        break;
    case CGuestListModel::ColInvitationSent:
        edits.Edit(*guest, [&](CGuest& g) { return g.SetInvitationSent(newText == GuestTexts::Yes()); });
        break;
    default:
        return CommitIgnored;
    }
    if (guest == m_shown) {
        m_tab1->ShowGuest(guest);
        m_tab2->ShowGuest(guest);
    }
    GuestChanged(guest);
    return CommitAccepted;
}

bool CGuestsView::MayEditCell(int, int row, QString&)
{
    return m_model.GuestAt(row) != nullptr;
}

void CGuestsView::GetCellChoices(int column, int row, QStringList& choices, int& current)
{
    const CGuest* guest = m_model.GuestAt(row);
    if (!guest)
        return;
    switch (column) {
    case CGuestListModel::ColRelation:
        choices = GuestTexts::Relations();
        current = int(choices.indexOf(guest->GetRelation()));
        break;
    case CGuestListModel::ColGroup:
        for (const CGroup* group : GetDocument().Groups())
            choices.append(group->GetName());
        current = int(choices.indexOf(guest->GetGroupName()));
        break;
    case CGuestListModel::ColInvitationSent:
        choices = {GuestTexts::Yes(), GuestTexts::No()};
        current = guest->GetInvitationSent() ? 0 : 1;
        break;
    default:
        break;
    }
}

void CGuestsView::Rebuild(CGuest* select)
{
    m_list->CancelEdit();
    m_busy = true;
    m_model.SetRows(m_filterBar->Filter().Apply(GetDocument().Guests()));
    m_busy = false;
    RefreshStatistics();
    const int row = select ? m_model.RowOf(select) : -1;
    if (m_model.rowCount() == 0) {
        if (ValidatePages())
            ShowGuest(nullptr);
        return;
    }
    SelectRow(row >= 0 ? row : 0);
}

void CGuestsView::SelectRow(int row)
{
    m_list->SelectRow(row);
    // A row the list selected by itself while the view rebuilt it announces nothing: follow it.
    OnSelectionChanged();
}

void CGuestsView::ResetFilters()
{
    m_filterBar->Reset();
    Rebuild(m_shown);
}

CGuest* CGuestsView::SelectedGuest() const
{
    return m_model.GuestAt(m_list->SelectedRow());
}

bool CGuestsView::SelectGuest(CGuest* guest)
{
    const int row = m_model.RowOf(guest);
    if (row < 0)
        return false;
    SelectRow(row);
    return m_shown == guest;
}

bool CGuestsView::ValidatePages()
{
    return m_tab1->Validate() && m_tab2->Validate();
}

void CGuestsView::OnSelectionChanged()
{
    if (m_busy)
        return;
    CGuest* selected = SelectedGuest();
    if (selected == m_shown)
        return;
    if (!ValidatePages()) {
        // The selection stays on the guest the pages hold up.
        m_busy = true;
        m_list->SelectRow(m_model.RowOf(m_shown));
        m_busy = false;
        return;
    }
    ShowGuest(selected);
}

void CGuestsView::ShowGuest(CGuest* guest)
{
    m_shown = guest;
    m_tab1->ShowGuest(guest);
    m_tab2->ShowGuest(guest);
    UpdateListTooltip();
}

void CGuestsView::UpdateListTooltip()
{
    QString tip = kListTip;
    QStringList args;
    if (m_shown) {
        tip += kGuestTip;
        args = {m_shown->GetName(), m_shown->GetGroupName(), m_shown->GetRelation()};
    }
    m_list->setToolTip(CMarkupTooltip::ToHtml(StringTable::Fill(tip, args)));
}

void CGuestsView::OnGuestEdited(CGuest* guest, bool fromPersonalPage)
{
    // The name line of the second page follows the names of the first.
    if (fromPersonalPage)
        m_tab2->ShowGuest(guest);
    GuestChanged(guest);
}

void CGuestsView::GuestChanged(CGuest* guest)
{
    m_model.RefreshGuest(guest);
    RefreshStatistics();
    UpdateListTooltip();
}

void CGuestsView::RefreshStatistics()
{
    CGuestStatistics statistics;
    statistics.Compute(m_model.Rows());
    m_statisticsModel.SetStatistics(statistics);
}

void CGuestsView::RefillGroups()
{
    QStringList names;
    for (const CGroup* group : GetDocument().Groups())
        names.append(group->GetName());
    m_filterBar->SetGroups(names);
    m_tab1->RefillGroups();
}

void CGuestsView::AddGuest()
{
    if (!ValidatePages())
        return;
    CNewZelDoc& document = GetDocument();
    const QString name = GuestTexts::NewGuestName();
    for (CGuest* guest : document.Guests()) {
        if (guest->GetName() == name) {
            if (m_model.RowOf(guest) < 0)
                ResetFilters();
            SelectGuest(guest);
            m_tab1->FocusNames();
            return;
        }
    }
    CGuest* guest = CGuestEdits(document, this).Add(name, QString(), m_tab1->GroupText(), m_tab1->RelationText());
    m_filterBar->Reset();
    Rebuild(guest);
    m_tabs->setCurrentWidget(m_tab1);
    m_tab1->FocusNames();
}

void CGuestsView::DeleteGuest()
{
    if (!ValidatePages())
        return;
    CGuest* guest = SelectedGuest();
    if (!guest)
        return;
    CGuestEdits(GetDocument(), this).Delete(*guest);
}

void CGuestsView::RemoveGuestRow(CGuest* guest)
{
    const int row = m_model.RowOf(guest);
    if (row < 0)
        return;
    m_list->CancelEdit();
    m_busy = true;
    m_model.RemoveRow(row);
    m_busy = false;
    if (guest == m_shown)
        ShowGuest(nullptr);
    RefreshStatistics();
    if (m_model.rowCount() > 0)
        SelectRow(qMin(row, m_model.rowCount() - 1));
}

void CGuestsView::ToggleApproval()
{
    CGuest* guest = SelectedGuest();
    if (!guest)
        return;
    CGuestEdits(GetDocument(), this).ToggleApproval(*guest);
    m_tab1->ShowGuest(guest);
    GuestChanged(guest);
}

void CGuestsView::LocateTable()
{
    if (CGuest* guest = SelectedGuest())
        GetDocument().UpdateAllViews(this, HINT_LOCATE_GUEST_TABLE, guest);
}

void CGuestsView::Search()
{
    CSearchTableDlg dialog(m_searchUp, m_searchText, QString(), false, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_searchText = dialog.GuestText();
    m_searchUp = dialog.IsUp();
    FindNext(!m_searchUp);
}

bool CGuestsView::FindNext(bool down)
{
    const int row = GuestSearch::Find(m_model.Rows(), m_searchText, m_lastFound, down);
    if (row < 0) {
        UserQuestion::Ask(GetDocument().Messages(), QStringLiteral("לא נמצא מוזמן זה"), QStringLiteral("לא נמצא מוזמן"), MSG_OK);
        return false;
    }
    if (!SelectGuest(m_model.GuestAt(row)))
        return false;
    m_lastFound = row;
    return true;
}

void CGuestsView::SortByColumn(int column)
{
    const auto sort = std::find_if(std::begin(kSortColumns), std::end(kSortColumns),
                                   [column](const SortColumn& entry) { return entry.column == column; });
    if (sort == std::end(kSortColumns))
        return;
    const GuestSort::Key key = sort->key;
    const int flag = sort->flag;
    m_list->CancelEdit();
    m_busy = true;
    m_model.Sort(key, m_ascending[flag]);
    m_ascending[flag] = !m_ascending[flag];
    m_list->SelectRow(m_model.RowOf(m_shown));
    m_busy = false;
    m_lastFound = -1;
}

void CGuestsView::OpenMultiGuestDialog()
{
    if (!ValidatePages())
        return;
    CMultiGuestOperationDlg dialog(GetDocument(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_model.RefreshAll();
    RefreshStatistics();
    ShowGuest(m_shown);
    SelectGuest(m_shown);
}

QMenu* CGuestsView::BuildContextMenu(QWidget* parent)
{
    CGuest* guest = SelectedGuest();
    auto* menu = new QMenu(parent);
    QAction* approved = menu->addAction(QStringLiteral("אישרו"), this, &CGuestsView::ToggleApproval);
    approved->setCheckable(true);
    approved->setChecked(guest && guest->IsApproved());
    // Gifts are entered on their own page; nothing takes this entry yet.
    menu->addAction(QStringLiteral("הזן מתנה"))->setEnabled(false);
    menu->addAction(QStringLiteral("מחק מוזמן"), this, &CGuestsView::DeleteGuest);
    menu->addAction(QStringLiteral("אתר שולחן"), this, &CGuestsView::LocateTable);
    QAction* sent = menu->addAction(QStringLiteral("הזמנה נשלחה"), m_tab2, &CGuestInfoTab2::ToggleInvitationSent);
    sent->setCheckable(true);
    sent->setChecked(guest && guest->GetInvitationSent());
    menu->addAction(QStringLiteral("ערוך רשימת \"מוגבלים\""), m_tab2, &CGuestInfoTab2::EditRestrictions);
    return menu;
}

void CGuestsView::OnListContextMenu(int row, const QPoint& globalPos)
{
    if (row < 0 || row != m_list->SelectedRow()) {
        ShowColumnMenu(globalPos);
        return;
    }
    QMenu* menu = BuildContextMenu(this);
    menu->exec(globalPos);
    menu->deleteLater();
}

void CGuestsView::contextMenuEvent(QContextMenuEvent* event)
{
    ShowColumnMenu(event->globalPos());
}

void CGuestsView::ShowColumnMenu(const QPoint& globalPos)
{
    QMenu* menu = m_columns->BuildMenu(this);
    menu->exec(globalPos);
    menu->deleteLater();
}

void CGuestsView::SaveColumnWidths()
{
    m_columns->Save();
}
