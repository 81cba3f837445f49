#include "planner/ui/MeetingView.h"

#include "planner/core/LineBreaks.h"
#include "planner/core/MeetingCalendar.h"
#include "planner/core/MeetingEdits.h"
#include "planner/ui/DateDialog.h"
#include "planner/ui/NotesEdit.h"
#include "planner/ui/TasksTreeDlg.h"

#include "controls/CommandIds.h"
#include "controls/ListCtrlEx.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Meeting.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const int kSubjectTitleId = 59486;
const int kDateTitleId = 59487;
// The date column leaves room for the list's vertical scroll bar.
const int kDateColumnMargin = 18;

QDate DateOf(const ShortDate& date)
{
    return QDate(date.year, date.month, date.day);
}

}

CMeetingView::CMeetingView(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
    : CGenericView(document, parent)
    , m_platform(platform)
    , m_model(0, 3)
{
    m_model.setHorizontalHeaderLabels({QString(), StringTable::Get(kSubjectTitleId), StringTable::Get(kDateTitleId)});
    BuildLayout();
    Fill(0);
}

void CMeetingView::BuildLayout()
{
    m_list = new CListCtrlEx(this);
    m_list->setModel(&m_model);
    m_list->SetMessages(GetDocument().Messages());
    m_list->setColumnHidden(ColumnHidden, true);
    m_list->setShowGrid(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->viewport()->installEventFilter(this);
    QHeaderView* header = m_list->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == ColumnDate)
            SortByDateColumn();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { OnSelectionChanged(); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &CMeetingView::DeleteMeeting);

    m_pane = new QWidget(this);
    m_subject = new QLineEdit(m_pane);
    m_contactName = new QLineEdit(m_pane);
    m_contactJob = new QLineEdit(m_pane);
    m_phone = new QLineEdit(m_pane);
    m_address = new QLineEdit(m_pane);
    m_info = NotesEdit::Create(m_pane);
    m_dateText = new QLabel(m_pane);
    m_datePicker = new QDateEdit(m_pane);
    m_datePicker->setCalendarPopup(true);
    // Digits and full stops read left to right in either interface, as the date text does.
    m_datePicker->setLayoutDirection(Qt::LeftToRight);
    m_datePicker->setDisplayFormat(Language::IsEnglish() ? QStringLiteral("MM.dd.yyyy") : QStringLiteral("dd.MM.yyyy"));
    m_dateButton = new QPushButton(QStringLiteral("שינוי תאריך..."), m_pane);
    for (QLineEdit* edit : {m_subject, m_contactName, m_contactJob, m_phone, m_address})
        connect(edit, &QLineEdit::textEdited, this, &CMeetingView::WritePane);
    connect(m_info, &QPlainTextEdit::textChanged, this, &CMeetingView::WritePane);
    connect(m_datePicker, &QDateEdit::dateChanged, this, &CMeetingView::OnDatePicked);
    connect(m_dateButton, &QPushButton::clicked, this, &CMeetingView::ChangeDate);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateText);
    dateRow->addWidget(m_datePicker);
    dateRow->addWidget(m_dateButton);
    dateRow->addStretch();
    auto* form = new QFormLayout(m_pane);
    form->addRow(QStringLiteral("נושא הפגישה:"), m_subject);
    form->addRow(QStringLiteral("תאריך:"), dateRow);
    form->addRow(QStringLiteral("איש קשר:"), m_contactName);
    form->addRow(QStringLiteral("תפקיד:"), m_contactJob);
    form->addRow(QStringLiteral("טלפון:"), m_phone);
    form->addRow(QStringLiteral("כתובת:"), m_address);
    form->addRow(QStringLiteral("הערות:"), m_info);

    m_new = new QPushButton(QStringLiteral("פגישה חדשה"), this);
    m_delete = new QPushButton(QStringLiteral("מחיקת פגישה"), this);
    m_tasks = new QPushButton(QStringLiteral("עץ המשימות..."), this);
    m_calendar = new QPushButton(QStringLiteral("העתקה ליומן"), this);
    connect(m_new, &QPushButton::clicked, this, &CMeetingView::NewMeeting);
    connect(m_delete, &QPushButton::clicked, this, &CMeetingView::DeleteMeeting);
    connect(m_tasks, &QPushButton::clicked, this, &CMeetingView::OpenTaskTree);
    connect(m_calendar, &QPushButton::clicked, this, &CMeetingView::CopyToCalendar);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_calendar);
    buttons->addWidget(m_tasks);
    auto* panels = new QHBoxLayout;
    panels->addWidget(m_list, 1);
    panels->addWidget(m_pane, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels, 1);
    layout->addLayout(buttons);
}

CMeeting* CMeetingView::CurrentMeeting() const
{
    return m_current >= 0 ? GetDocument().Meetings().value(m_current) : nullptr;
}

void CMeetingView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    CGenericView::OnUpdate(sender, hint, object);
    if (hint == HINT_EVENT_RELOADING) {
        // The meetings are about to go: the pane lets go of its meeting, the selected row stays
        // to be selected again in the new list.
        m_current = -1;
        m_pane->setEnabled(false);
    } else if (hint == HINT_EVENT_RELOADED) {
        Fill(m_list->SelectedRow());
    }
}

void CMeetingView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
}

bool CMeetingView::HandlesCommand(int commandId) const
{
    return commandId == ID_OBJECT_ADD || commandId == ID_OBJECT_DELETE || commandId == ID_MEETING_TODAY;
}

bool CMeetingView::IsCommandEnabled(int commandId) const
{
    return commandId != ID_OBJECT_DELETE || CurrentMeeting();
}

void CMeetingView::OnCommand(int commandId)
{
    if (commandId == ID_OBJECT_ADD)
        NewMeeting();
    else if (commandId == ID_OBJECT_DELETE)
        DeleteMeeting();
    else if (commandId == ID_MEETING_TODAY)
        OpenTaskTree();
}

void CMeetingView::Fill(int row)
{
    m_filling = true;
    m_current = -1;
    m_model.removeRows(0, m_model.rowCount());
    const QList<CMeeting*>& meetings = GetDocument().Meetings();
    for (int n = 0; n < meetings.size(); ++n) {
        QList<QStandardItem*> items{new QStandardItem, new QStandardItem, new QStandardItem};
        // The cells keep the list's leading alignment: right in the Hebrew interface.
        for (QStandardItem* item : items)
            item->setEditable(false);
        m_model.appendRow(items);
        WriteRow(n);
    }
    m_filling = false;
    if (meetings.isEmpty())
        ClearPane();
    else
        SelectRow(std::clamp(row, 0, int(meetings.size()) - 1));
}

void CMeetingView::WriteRow(int row)
{
    const CMeeting* meeting = GetDocument().Meetings().value(row);
    if (!meeting || row >= m_model.rowCount())
        return;
    m_model.item(row, ColumnSubject)->setText(meeting->GetName());
    m_model.item(row, ColumnDate)->setText(meeting->GetDate().ToText());
}

void CMeetingView::SelectRow(int row)
{
    m_list->SelectRow(row);
    // Selecting the row that is selected already sends no change.
    if (row != m_current)
        OnSelectionChanged();
}

void CMeetingView::OnSelectionChanged()
{
    const int row = m_list->SelectedRow();
    if (m_filling || row < 0 || row == m_current || !GetDocument().Meetings().value(row))
        return;
    m_current = row;
    LoadPane();
}

void CMeetingView::LoadPane()
{
    const CMeetingEdits::Fields fields = CMeetingEdits::Read(*CurrentMeeting());
    m_filling = true;
    m_subject->setText(fields.subject);
    m_contactName->setText(fields.contactName);
    m_contactJob->setText(fields.contactJob);
    m_phone->setText(fields.phone);
    m_address->setText(fields.address);
    m_info->setPlainText(LineBreaks::ForEditing(fields.info));
    const QDate date = DateOf(fields.date);
    m_datePicker->setDate(date.isValid() ? date : QDate::currentDate());
    m_dateText->setText(fields.date.ToText());
    m_filling = false;
    m_pane->setEnabled(true);
    m_delete->setEnabled(true);
    m_calendar->setEnabled(true);
}

void CMeetingView::ClearPane()
{
    m_filling = true;
    for (QLineEdit* edit : {m_subject, m_contactName, m_contactJob, m_phone, m_address})
        edit->clear();
    m_info->clear();
    m_dateText->clear();
    m_filling = false;
    m_pane->setEnabled(false);
    m_delete->setEnabled(false);
    m_calendar->setEnabled(false);
}

void CMeetingView::WritePane()
{
    CMeeting* meeting = CurrentMeeting();
    if (m_filling || !meeting)
        return;
    CMeetingEdits::Fields fields = CMeetingEdits::Read(*meeting);
    fields.subject = m_subject->text();
    fields.contactName = m_contactName->text();
    fields.contactJob = m_contactJob->text();
    fields.phone = m_phone->text();
    fields.address = m_address->text();
    fields.info = LineBreaks::ForStoring(m_info->toPlainText());
    CMeetingEdits(GetDocument()).Write(*meeting, fields);
    WriteRow(m_current);
}

void CMeetingView::OnDatePicked()
{
    CMeeting* meeting = CurrentMeeting();
    if (m_filling || !meeting)
        return;
    const QDate date = m_datePicker->date();
    CMeetingEdits(GetDocument()).SetDate(*meeting, {quint16(date.year()), quint16(date.month()), quint16(date.day())});
    m_dateText->setText(meeting->GetDate().ToText());
    WriteRow(m_current);
}

void CMeetingView::NewMeeting()
{
    CMeetingEdits(GetDocument()).Add();
    Fill(int(GetDocument().Meetings().size()) - 1);
    m_subject->setFocus();
    m_subject->selectAll();
}

void CMeetingView::DeleteMeeting()
{
    CMeeting* meeting = CurrentMeeting();
    if (!meeting)
        return;
    const int row = m_current;
    if (!CMeetingEdits(GetDocument()).Delete(*meeting))
        return;
    // The row that now holds the same index is the successor; after the last row, its predecessor.
    Fill(row);
}

void CMeetingView::ChangeDate()
{
    CMeeting* meeting = CurrentMeeting();
    if (!meeting)
        return;
    CDateDialog dialog(meeting->GetDate(), GetDocument().Messages(), QString(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().IsEmpty())
        return;
    CMeetingEdits(GetDocument()).SetDate(*meeting, dialog.Chosen());
    Sort(true);
}

void CMeetingView::SortByDateColumn()
{
    m_ascending = !m_ascending;
    Sort(m_ascending);
}

void CMeetingView::Sort(bool ascending)
{
    CMeeting* meeting = CurrentMeeting();
    if (!meeting)
        return;
    CMeetingEdits(GetDocument()).SortByDate(ascending);
    Fill(int(GetDocument().Meetings().indexOf(meeting)));
}

void CMeetingView::OpenTaskTree()
{
    CTasksTreeDlg dialog(&GetDocument(), this);
    dialog.exec();
}

void CMeetingView::CopyToCalendar()
{
    if (const CMeeting* meeting = CurrentMeeting())
        CMeetingCalendar::SendToDesktop(*meeting, QStandardPaths::writableLocation(QStandardPaths::TempLocation),
                                        m_platform, GetDocument().Messages());
}

bool CMeetingView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        FitColumns();
    return CGenericView::eventFilter(watched, event);
}

void CMeetingView::FitColumns()
{
    const int width = m_list->viewport()->width();
    m_list->setColumnWidth(ColumnSubject, width * 2 / 3);
    m_list->setColumnWidth(ColumnDate, std::max(0, width / 3 - kDateColumnMargin));
}
