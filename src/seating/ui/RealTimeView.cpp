#include "seating/ui/RealTimeView.h"

#include "seating/ui/AproveGuestComming.h"
#include "seating/ui/SelectTableDlg.h"
#include "seating/ui/WalkInGuestDlg.h"

#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"
#include "data/records/Guest.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kHelp = QStringLiteral(
    "מסך זה מיועד ליום הארוע בלבד. סמנו כל מוזמן שהגיע ואת מספר האנשים שבאו איתו, ותקבלו תמונה אמיתית של מי "
    "שכבר הגיע ואיפה נותרו מקומות ישיבה.");

}

CRealTimeView::CRealTimeView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
    , m_rules(document, this)
    , m_tableModel(document, m_rules)
    , m_guestModel(document)
{
    BuildLayout();
    RefillTables();
    RefillGuests();
}

void CRealTimeView::BuildLayout()
{
    m_tables = new CListCtrlEx(this);
    m_tables->setModel(&m_tableModel);
    m_tables->horizontalHeader()->setSectionResizeMode(CArrivalTablesModel::ColName, QHeaderView::Stretch);
    m_guests = new CListCtrlEx(this);
    m_guests->setModel(&m_guestModel);
    m_guests->horizontalHeader()->setSectionResizeMode(CArrivalGuestsModel::ColFamily, QHeaderView::Stretch);
    connect(m_guests, &QAbstractItemView::doubleClicked, this, &CRealTimeView::GuestArrived);

    m_name = new QLineEdit(this);
    m_family = new QLineEdit(this);
    connect(m_name, &QLineEdit::textChanged, this, &CRealTimeView::RefillGuests);
    connect(m_family, &QLineEdit::textChanged, this, &CRealTimeView::RefillGuests);
    auto* find = new QGroupBox(QStringLiteral("איתור מוזמן"), this);
    auto* findRow = new QHBoxLayout(find);
    findRow->addWidget(new QLabel(QStringLiteral("שם"), find));
    findRow->addWidget(m_name, 1);
    findRow->addWidget(new QLabel(QStringLiteral("משפחה"), find));
    findRow->addWidget(m_family, 1);

    m_onlyNotArrived = new QCheckBox(QStringLiteral("הצג רק מוזמנים שעדיין לא הגיעו"), this);
    m_onlyNotArrived->setChecked(true);
    connect(m_onlyNotArrived, &QCheckBox::toggled, this, &CRealTimeView::RefillGuests);
    m_onlyWithSeats = new QCheckBox(QStringLiteral("הצג רק שולחנות שנותרו בהם מקומות ישיבה"), this);
    m_onlyWithSeats->setChecked(true);
    connect(m_onlyWithSeats, &QCheckBox::toggled, this, &CRealTimeView::RefillTables);

    m_arrived = new QPushButton(QStringLiteral("המוזמן הגיע"), this);
    m_walkIn = new QPushButton(QStringLiteral("הוספת מוזמן חדש"), this);
    connect(m_arrived, &QPushButton::clicked, this, &CRealTimeView::GuestArrived);
    connect(m_walkIn, &QPushButton::clicked, this, &CRealTimeView::AddWalkIn);

    auto* tablesPanel = new QVBoxLayout;
    tablesPanel->addWidget(new QLabel(QStringLiteral("שולחנות שנותרו בהם מקומות ישיבה:"), this));
    tablesPanel->addWidget(m_tables, 1);
    tablesPanel->addWidget(m_onlyWithSeats);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_arrived);
    buttons->addWidget(m_walkIn);
    buttons->addStretch();
    auto* guestsPanel = new QVBoxLayout;
    guestsPanel->addWidget(find);
    guestsPanel->addWidget(new QLabel(QStringLiteral("מוזמנים שעדין לא הגיעו:"), this));
    guestsPanel->addWidget(m_guests, 1);
    guestsPanel->addWidget(m_onlyNotArrived);
    guestsPanel->addLayout(buttons);

    // The guests stand on the right of the screen and the tables on the left, in either direction.
    auto* panels = new QHBoxLayout;
    panels->setDirection(isRightToLeft() ? QBoxLayout::LeftToRight : QBoxLayout::RightToLeft);
    panels->addLayout(guestsPanel, 3);
    panels->addLayout(tablesPanel, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHelpers::WrappedText(kHelp, this));
    layout->addLayout(panels, 1);
}

void CRealTimeView::OnUpdate(QObject* sender, int hint, CHintObject*)
{
    switch (hint) {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_DELETING:
        ClearLists();
        break;
    case HINT_GUEST_ADDED:
    case HINT_GUEST_CHANGED:
    case HINT_GUEST_DELETED:
    case HINT_REWRITE_ROWS:
    case HINT_TABLE_CHANGED:
    case HINT_TABLE_ADDED:
    case HINT_SEATING_REBUILT:
    case HINT_EVENT_RELOADED:
        if (sender != this) {
            RefillTables();
            RefillGuests();
        }
        break;
    default:
        break;
    }
}

void CRealTimeView::ClearLists()
{
    m_tableModel.Clear();
    m_guestModel.Clear();
}

void CRealTimeView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
    RefillTables();
    RefillGuests();
}

void CRealTimeView::RefillTables()
{
    m_tableModel.Refill(m_onlyWithSeats->isChecked());
    const int row = m_tableModel.RowOfTable(m_markedTable);
    if (row >= 0)
        m_tables->SelectRow(row);
}

void CRealTimeView::RefillGuests()
{
    CGuest* selected = SelectedGuest();
    m_guestModel.Refill(m_name->text().trimmed(), m_family->text().trimmed(), m_onlyNotArrived->isChecked());
    const int row = m_guestModel.RowOf(selected);
    if (m_guestModel.rowCount() > 0)
        m_guests->SelectRow(row >= 0 ? row : 0);
}

CGuest* CRealTimeView::SelectedGuest() const
{
    return m_guestModel.At(m_guests->SelectedRow());
}

void CRealTimeView::GuestArrived()
{
    CGuest* guest = SelectedGuest();
    if (!guest)
        return;
    int count = guest->GetComing();
    for (;;) {
        CAproveGuestComming dialog(m_rules, count, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        count = dialog.Count();
        const int table = ChooseTable(*guest, count);
        if (table < 0)
            continue;
        m_rules.Record(*guest, count, table);
        ShowRecorded(*guest);
        return;
    }
}

int CRealTimeView::ChooseTable(const CGuest& guest, int count)
{
    const bool seated = guest.GetTableIndex() > 0;
    if (seated) {
        switch (m_rules.AskWhenTableFull(guest, count)) {
        case MSG_RESULT_YES:
            return guest.GetTableIndex();
        case MSG_RESULT_NO:
            break;
        default:
            return -1;
        }
    }
    CSelectTableDlg dialog(m_rules.TableChoices(guest, count), seated, GetDocument().Messages(), this);
    return dialog.exec() == QDialog::Accepted ? dialog.Table() : -1;
}

void CRealTimeView::ShowRecorded(CGuest& guest)
{
    const int row = m_guestModel.RowOf(&guest);
    if (m_onlyNotArrived->isChecked())
        m_guestModel.RemoveRow(row);
    else
        m_guestModel.Refresh(&guest);
    if (m_guestModel.rowCount() > 0)
        m_guests->SelectRow(qMin(qMax(row, 0), m_guestModel.rowCount() - 1));
    m_markedTable = guest.GetTableIndex();
    RefillTables();
}

void CRealTimeView::AddWalkIn()
{
    CWalkInGuestDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CGuest* guest = m_rules.AddWalkIn(dialog.Name(), dialog.FamilyName());
    if (!guest)
        return;
    RefillGuests();
    const int row = m_guestModel.RowOf(guest);
    if (row >= 0)
        m_guests->SelectRow(row);
}
