#include "guests/ui/GroupsView.h"

#include "guests/core/GroupEdits.h"
#include "guests/core/GuestEdits.h"
#include "guests/ui/RenameDlg.h"
#include "seating/core/AutoSeating.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/StringTable.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kHelp = QStringLiteral(
    "במסך זה סדרו את המוזמנים על פי קבוצות. בכל קבוצה הכניסו מוזמנים מתקופה אחרת של חייכם. למשל קבוצת \"צבא\" , "
    "קבוצת \"אוניברסיטה\" וכדומה");
const QString kAddCaption = QStringLiteral("הוספת קבוצה");
const QString kRenameCaption = QStringLiteral("שינוי שם קבוצה");
const QString kRenameText = QStringLiteral("שינוי שם לקבוצה");
constexpr int kNumberWidth = 29;

}

CGroupsView::CGroupsView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_groupModel(document)
    , m_guestModel(document)
{
    BuildLayout();
    RefillGroups(nullptr);
}

void CGroupsView::BuildLayout()
{
    m_groups = new CListCtrlEx(this);
    m_groups->setModel(&m_groupModel);
    m_groups->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groups->horizontalHeader()->setStretchLastSection(false);
    m_groups->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_groups->viewport()->installEventFilter(this);
    connect(m_groups->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CGroupsView::OnGroupSelected);
    connect(m_groups, &QAbstractItemView::doubleClicked, this, &CGroupsView::RenameGroup);
    connect(m_groups, &CListCtrlEx::ContextMenuRequested, this, [this](int row, const QPoint& at) {
        if (row < 0 || row != m_groups->SelectedRow())
            return;
        QMenu* menu = BuildGroupMenu(this);
        menu->exec(at);
        menu->deleteLater();
    });

    m_guests = new CListCtrlEx(this);
    m_guests->setModel(&m_guestModel);
    m_guests->viewport()->installEventFilter(this);
    connect(&m_guestModel, &CGroupGuestsModel::ApprovalClicked, this, &CGroupsView::OnApprovalClicked);
    connect(m_guests, &CListCtrlEx::ContextMenuRequested, this, [this](int row, const QPoint& at) {
        if (row < 0 || row != m_guests->SelectedRow())
            return;
        QMenu* menu = BuildGuestMenu(this);
        menu->exec(at);
        menu->deleteLater();
    });

    auto shortcut = [this](QWidget* on, const QKeySequence& keys, void (CGroupsView::*action)()) {
        auto* key = new QShortcut(keys, on, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(m_groups, QKeySequence(Qt::Key_F2), &CGroupsView::RenameGroup);
    shortcut(m_groups, QKeySequence::Delete, &CGroupsView::DeleteGroup);
    shortcut(m_guests, QKeySequence(Qt::SHIFT | Qt::Key_X), &CGroupsView::MarkGuest);
    for (QWidget* list : {static_cast<QWidget*>(m_groups), static_cast<QWidget*>(m_guests)})
        shortcut(list, QKeySequence(Qt::SHIFT | Qt::Key_V), &CGroupsView::MoveMarkedGuest);

    m_add = new QPushButton(QStringLiteral("הוספת קבוצה"), this);
    m_rename = new QPushButton(kRenameText, this);
    m_delete = new QPushButton(QStringLiteral("מחיקת קבוצה"), this);
    m_up = new QPushButton(this);
    m_down = new QPushButton(this);
    m_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(m_add, &QPushButton::clicked, this, &CGroupsView::AddGroup);
    connect(m_rename, &QPushButton::clicked, this, &CGroupsView::RenameGroup);
    connect(m_delete, &QPushButton::clicked, this, &CGroupsView::DeleteGroup);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveGroup(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveGroup(1); });

    m_groupsCounter = new QLabel(this);
    m_guestsCounter = new QLabel(this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_rename, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* groupsPanel = new QVBoxLayout;
    groupsPanel->addLayout(DialogHelpers::ListWithUpDown(m_groups, m_up, m_down), 1);
    groupsPanel->addWidget(m_groupsCounter);
    groupsPanel->addLayout(buttons);
    auto* guestsPanel = new QVBoxLayout;
    guestsPanel->addWidget(m_guests, 1);
    guestsPanel->addWidget(m_guestsCounter);

    auto* panels = new QHBoxLayout;
    panels->addLayout(groupsPanel, 2);
    panels->addLayout(guestsPanel, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMenu());
    layout->addWidget(DialogHelpers::WrappedText(kHelp, this));
    layout->addLayout(panels, 1);
}

QMenuBar* CGroupsView::BuildMenu()
{
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("קבוצות"));
    menu->addAction(QStringLiteral("הוספת קבוצה...\tCtrl+N"), this, &CGroupsView::AddGroup);
    menu->addAction(QStringLiteral("שינוי שם ...\tCtrl+E"), this, &CGroupsView::RenameGroup);
    menu->addAction(QStringLiteral("מחיקת קבוצה ...\tCtrl+D"), this, &CGroupsView::DeleteGroup);
    return bar;
}

bool CGroupsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_groups->viewport())
            FitGroupColumns();
        else if (watched == m_guests->viewport())
            FitGuestColumns();
    }
    return CGenericView::eventFilter(watched, event);
}

void CGroupsView::FitGroupColumns()
{
    // The name takes what the number leaves of the list; with many groups the vertical scroll bar
    // takes its share of the viewport itself.
    m_groups->setColumnWidth(CGroupListModel::ColNumber, kNumberWidth);
    m_groups->setColumnWidth(CGroupListModel::ColName, qMax(0, m_groups->viewport()->width() - kNumberWidth));
}

void CGroupsView::FitGuestColumns()
{
    const int width = m_guests->viewport()->width();
    m_guests->setColumnWidth(CGroupGuestsModel::ColApproved, 60);
    m_guests->setColumnWidth(CGroupGuestsModel::ColNames, int(width * 0.33));
    m_guests->setColumnWidth(CGroupGuestsModel::ColRelation, int(width * 0.14));
    m_guests->setColumnWidth(CGroupGuestsModel::ColGroup, qMax(0, int(width * 0.48) - 55));
}

void CGroupsView::OnUpdate(QObject* sender, int hint, CHintObject*)
{
    const bool fromOther = sender != this;
    switch (hint) {
    case HINT_ADD_GROUP:
        AddGroup();
        break;
    case HINT_GROUPS_CHANGED:
    case HINT_GROUPS_RENAMED:
    case HINT_GROUP_ADDED:
        if (fromOther)
            RefillGroups(SelectedGroup());
        break;
    case HINT_GUEST_ADDED:
    case HINT_GUEST_CHANGED:
    case HINT_GUEST_DELETED:
    case HINT_REWRITE_ROWS:
        if (fromOther)
            RefillGuests();
        break;
    case HINT_EVENT_RELOADING:
        ClearLists();
        break;
    case HINT_EVENT_RELOADED:
        RefillGroups(nullptr);
        break;
    default:
        break;
    }
}

void CGroupsView::ClearLists()
{
    m_groups->CancelEdit();
    m_currentGroup.clear();
    m_guestModel.Clear();
    m_groupModel.Clear();
}

void CGroupsView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
}

bool CGroupsView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_EDIT || commandId == ID_OBJECT_DELETE;
}

bool CGroupsView::IsCommandEnabled(int commandId) const
{
    return commandId == ID_OBJECT_ADD || SelectedGroup() != nullptr;
}

void CGroupsView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddGroup();
        break;
    case ID_OBJECT_EDIT:
        RenameGroup();
        break;
    case ID_OBJECT_DELETE:
        DeleteGroup();
        break;
    default:
        break;
    }
}

void CGroupsView::RefillGroups(const CGroup* select)
{
    m_groupModel.Refill();
    m_groupsCounter->setText(GroupsCounterText());
    FitGroupColumns();
    const int row = m_groupModel.RowOf(select);
    SelectGroup(row >= 0 ? row : 0);
}

void CGroupsView::SelectGroup(int row)
{
    if (m_groupModel.rowCount() == 0) {
        OnGroupSelected();
        return;
    }
    m_groups->SelectRow(qBound(0, row, m_groupModel.rowCount() - 1));
    // Selecting the row that was selected already announces nothing.
    OnGroupSelected();
}

void CGroupsView::OnGroupSelected()
{
    const int row = m_groups->SelectedRow();
    const CGroup* group = m_groupModel.At(row);
    m_up->setEnabled(group && row > 0);
    m_down->setEnabled(group && row < m_groupModel.rowCount() - 1);
    m_rename->setEnabled(group);
    m_delete->setEnabled(group);
    m_currentGroup = group ? group->GetName() : QString();
    RefillGuests();
}

void CGroupsView::RefillGuests()
{
    if (m_currentGroup.isEmpty())
        m_guestModel.Clear();
    else
        m_guestModel.SetGroup(m_currentGroup);
    m_guestsCounter->setText(GuestsCounterText());
}

CGroup* CGroupsView::SelectedGroup() const
{
    return m_groupModel.At(m_groups->SelectedRow());
}

CGuest* CGroupsView::SelectedGuest() const
{
    return m_guestModel.At(m_guests->SelectedRow());
}

QString CGroupsView::GroupsCounterText() const
{
    return StringTable::Fill(QStringLiteral(" %d קבוצות "), {QString::number(m_groupModel.rowCount())});
}

QString CGroupsView::GuestsCounterText() const
{
    qint64 coming = 0;
    qint64 approved = 0;
    for (const CGuest* guest : m_guestModel.Rows()) {
        coming += guest->GetComing();
        if (guest->IsApproved())
            approved += guest->GetComing();
    }
    return StringTable::Fill(QStringLiteral(" %d מוזמנים , מתוכם %d אישרו"),
                             {QString::number(coming), QString::number(approved)});
}

void CGroupsView::AddGroup()
{
    CRenameDlg dialog(kAddCaption, CGroupEdits::ProposedName(GetDocument()), true, GetDocument().Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CGroup* group = CGroupEdits(GetDocument(), this).AddWithTable(dialog.Name(), dialog.WithTable());
    if (!group)
        return;
    RefillGroups(group);
    m_groups->scrollTo(m_groupModel.index(m_groupModel.RowOf(group), 0));
}

void CGroupsView::RenameGroup()
{
    CGroup* group = SelectedGroup();
    if (!group)
        return;
    QString name = group->GetName();
    for (;;) {
        CRenameDlg dialog(kRenameCaption, name, false, GetDocument().Messages(), this);
        dialog.setWindowTitle(kRenameText);
        if (dialog.exec() != QDialog::Accepted || dialog.Name() == group->GetName())
            return;
        name = dialog.Name();
        if (CGroupEdits(GetDocument(), this).Rename(*group, name))
            break;
    }
    RefillGroups(group);
}

void CGroupsView::DeleteGroup()
{
    CGroup* group = SelectedGroup();
    if (!group)
        return;
    const int row = m_groupModel.RowOf(group);
    const int count = m_groupModel.rowCount();
    if (!CGroupEdits(GetDocument(), this).Delete(*group))
        return;
    m_groupModel.Refill();
    m_groupsCounter->setText(GroupsCounterText());
    FitGroupColumns();
    SelectGroup(qMax(0, row < count - 2 ? row : row - 1));
}

void CGroupsView::MoveGroup(int step)
{
    CGroup* group = SelectedGroup();
    CGroup* other = m_groupModel.At(m_groupModel.RowOf(group) + step);
    if (!group || !other)
        return;
    CGroupEdits(GetDocument(), this).Swap(*group, *other);
    // The records keep their places and exchange names: the moved name is now the other's.
    RefillGroups(other);
}

void CGroupsView::CreateTableForGroup()
{
    if (const CGroup* group = SelectedGroup()) {
        CAutoSeating(GetDocument(), this).TableForGroup(*group);
        RefillGuests();
    }
}

void CGroupsView::MarkGuest()
{
    if (const CGuest* guest = SelectedGuest()) {
        m_markedGuest = guest->GetUniqueId();
        QApplication::beep();
    }
}

void CGroupsView::MoveMarkedGuest()
{
    const CGroup* group = SelectedGroup();
    if (m_markedGuest < 0 || !group)
        return;
    if (CGroupEdits(GetDocument(), this).MoveGuest(m_markedGuest, *group))
        RefillGuests();
}

void CGroupsView::ShowGuestDetails()
{
    if (CGuest* guest = SelectedGuest())
        GetDocument().UpdateAllViews(this, HINT_SHOW_GUEST, guest);
}

void CGroupsView::OnApprovalClicked(int row, bool approved)
{
    CGuest* guest = m_guestModel.At(row);
    if (!guest)
        return;
    CGuestEdits(GetDocument(), this).SetStatus(*guest, approved ? 1 : 0);
    m_guestModel.RefreshAll();
    m_guestsCounter->setText(GuestsCounterText());
}

QMenu* CGroupsView::BuildGroupMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("שינוי שם לקבוצה זו ..."), this, &CGroupsView::RenameGroup);
    menu->addAction(QStringLiteral("הוסף שולחן לקבוצה זו..."), this, &CGroupsView::CreateTableForGroup);
    return menu;
}

QMenu* CGroupsView::BuildGuestMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("עבור לפרטי המוזמן"), this, &CGroupsView::ShowGuestDetails);
    return menu;
}
