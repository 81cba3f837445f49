#include "guests/ui/GuestInfoTab1.h"

#include "guests/core/GroupEdits.h"
#include "guests/core/GuestDetailsRules.h"
#include "guests/core/GuestTexts.h"
#include "guests/ui/KidsDlg.h"

#include "data/settings/GeneralIni.h"
#include "data/settings/ProgramFiles.h"
#include "controls/BalloonTip.h"
#include "data/document/UserQuestion.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "data/document/ViewHint.h"
#include "controls/TableMenu.h"
#include "seating/core/TableEdits.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const int kMaxCount = 9999;
const int kTextLines = 2;

// The records keep "\r\n" between lines; the edit fields "\n".
QString ToRecord(const QString& text)
{
    QString record = text;
    return record.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString FromRecord(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit* SmallTextEdit(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * kTextLines + 12);
    return edit;
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget, widget == *widgets.begin() ? 1 : 0);
    return row;
}

int StatusOf(const CGuest& guest)
{
    return guest.IsApproved() ? 1 : guest.IsNotComing() ? 2 : 0;
}

}

CGuestInfoTab1::CGuestInfoTab1(CNewZelDoc& document, QWidget* parent)
    : CGuestInfoTabBase(document, parent)
{
    BuildLayout();
    ConnectFields();
    ShowGuest(nullptr);
}

QString CGuestInfoTab1::Title() const
{
    return QStringLiteral("פרטי המוזמן");
}

void CGuestInfoTab1::BuildLayout()
{
    m_names = new QLineEdit(this);
    m_family = new QLineEdit(this);
    m_phone = new QLineEdit(this);
    m_phoneButton = new QToolButton(this);
    m_phoneButton->setText(QStringLiteral("*"));
    m_mobile = new QLineEdit(this);
    m_mobileButton = new QToolButton(this);
    m_mobileButton->setText(QStringLiteral("*"));
    connect(m_mobileButton, &QToolButton::clicked, this, &CGuestInfoTabBase::SmsRequested);
    m_email = new QLineEdit(this);
    // Addresses are Latin: the field reads left to right whatever the page's direction.
    m_email->setLayoutDirection(Qt::LeftToRight);
    m_email->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhLatinOnly);
    m_address = SmallTextEdit(this);
    m_notes = SmallTextEdit(this);
    m_group = new QComboBox(this);
    m_group->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_group->setMinimumContentsLength(10);
    m_addGroup = new QToolButton(this);
    m_addGroup->setText(QStringLiteral("+"));
    m_relation = new QComboBox(this);
    m_relation->addItems(GuestTexts::Relations());
    m_invited = new QSpinBox(this);
    m_invited->setRange(0, kMaxCount);
    m_coming = new QSpinBox(this);
    m_coming->setRange(0, kMaxCount);
    m_kids = new QPushButton(QStringLiteral("ילדים"), this);

    m_statusBox = new QGroupBox(QStringLiteral("מצב"), this);
    m_status = new QButtonGroup(this);
    auto* statusLayout = new QHBoxLayout(m_statusBox);
    for (auto [text, id] : {std::pair{"אישרו", 1}, {"לא באים", 2}, {"לא ידוע", 0}}) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), m_statusBox);
        m_status->addButton(radio, id);
        statusLayout->addWidget(radio);
    }

    m_table = new QLineEdit(this);
    m_table->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_table));
    m_table->setMaximumWidth(80);
    m_hall = new QLineEdit(this);
    m_hall->setReadOnly(true);
    m_hall->setMaximumWidth(80);
    m_seat = new QPushButton(QStringLiteral("שבץ בשולחן"), this);

    auto* counts = new QWidget(this);
    auto* countsLayout = new QHBoxLayout(counts);
    countsLayout->setContentsMargins(0, 0, 0, 0);
    countsLayout->addWidget(new QLabel(QStringLiteral("הוזמנו"), counts));
    countsLayout->addWidget(m_invited);
    countsLayout->addWidget(new QLabel(QStringLiteral("יבואו"), counts));
    countsLayout->addWidget(m_coming);
    countsLayout->addWidget(m_kids);
    countsLayout->addStretch();

    auto* seating = new QWidget(this);
    auto* seatingLayout = new QHBoxLayout(seating);
    seatingLayout->setContentsMargins(0, 0, 0, 0);
    seatingLayout->addWidget(m_table);
    seatingLayout->addWidget(new QLabel(QStringLiteral("מס' באולם"), seating));
    seatingLayout->addWidget(m_hall);
    seatingLayout->addWidget(m_seat);
    seatingLayout->addStretch();

    auto* page = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    page->addLayout(form);
    page->addStretch();
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("שמות פרטיים:"), m_names);
    form->addRow(QStringLiteral("שם משפחה:"), m_family);
    form->addRow(QStringLiteral("טלפון:"), Row(this, {m_phone, m_phoneButton}));
    form->addRow(QStringLiteral("נייד:"), Row(this, {m_mobile, m_mobileButton}));
    form->addRow(QStringLiteral("אי-מייל:"), m_email);
    form->addRow(QStringLiteral("כתובת:"), m_address);
    form->addRow(QStringLiteral("פרטים נוספים:"), m_notes);
    form->addRow(QStringLiteral("קבוצה:"), Row(this, {m_group, m_addGroup}));
    form->addRow(QStringLiteral("שיכות:"), m_relation);
    form->addRow(counts);
    form->addRow(m_statusBox);
    form->addRow(QStringLiteral("מס' שולחן"), seating);

    SetTip(m_names, QStringLiteral("<al_c><ct=0xFF0000><b>שמות פרטיים</b><ct=0x00C000><br><hr=100%><br></ct><al_r>"
                                   "השמות הפרטיים של המוזמן או של בני הזוג, למשל \"דני ורותי\""));
    SetTip(m_phoneButton, QStringLiteral("<al_r>חיפוש מספר הטלפון במדריך הטלפונים"));
    SetTip(m_addGroup, QStringLiteral("<al_r>הוספת קבוצה חדשה"));
    SetTip(m_seat, QStringLiteral("<al_r>בחירת שולחן למוזמן זה מתוך רשימת השולחנות"));
}

void CGuestInfoTab1::ConnectFields()
{
    connect(m_names, &QLineEdit::textEdited, this, &CGuestInfoTab1::OnNamesEdited);
    connect(m_family, &QLineEdit::textEdited, this, &CGuestInfoTab1::OnNamesEdited);
    auto text = [this](QLineEdit* edit, bool (CGuest::*set)(const QString&)) {
        connect(edit, &QLineEdit::textEdited, this, [this, set](const QString& value) {
            Edit([&](CGuest& guest) { return (guest.*set)(value); }, false);
        });
    };
    text(m_phone, &CGuest::SetPhone);
    text(m_mobile, &CGuest::SetMobilePhone);
    text(m_email, &CGuest::SetEmail);
    auto lines = [this](QPlainTextEdit* edit, bool (CGuest::*set)(const QString&)) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, set] {
            Edit([&](CGuest& guest) { return (guest.*set)(ToRecord(edit->toPlainText())); }, false);
        });
    };
    lines(m_address, &CGuest::SetAddress);
    lines(m_notes, &CGuest::SetNotes);
    connect(m_group, &QComboBox::activated, this, [this] {
        if (m_guest && !m_loading && Edits().SetGroup(*m_guest, m_group->currentText()))
            Changed(true);
    });
    connect(m_relation, &QComboBox::activated, this, [this] {
        Edit([this](CGuest& guest) { return guest.SetRelation(m_relation->currentText()); }, true);
    });
    connect(m_addGroup, &QToolButton::clicked, this,
            [this] { m_document.UpdateAllViews(this, HINT_ADD_GROUP, nullptr); });
    connect(m_invited, &QSpinBox::valueChanged, this, &CGuestInfoTab1::OnInvitedChanged);
    connect(m_coming, &QSpinBox::valueChanged, this, &CGuestInfoTab1::OnComingChanged);
    connect(m_kids, &QPushButton::clicked, this, &CGuestInfoTab1::EditKids);
    connect(m_status, &QButtonGroup::idClicked, this, &CGuestInfoTab1::OnStatusClicked);
    connect(m_table, &QLineEdit::editingFinished, this, &CGuestInfoTab1::CheckTableNumber);
    connect(m_seat, &QPushButton::clicked, this, &CGuestInfoTab1::ShowSeatMenu);
    connect(m_phoneButton, &QToolButton::clicked, this, &CGuestInfoTab1::OpenPhoneDirectory);
}

void CGuestInfoTab1::ShowGuest(CGuest* guest)
{
    m_loading = true;
    m_guest = guest;
    setEnabled(guest != nullptr);
    m_names->setText(guest ? guest->GetName() : QString());
    m_family->setText(guest ? guest->GetFamilyName() : QString());
    m_phone->setText(guest ? guest->GetPhone() : QString());
    m_mobile->setText(guest ? guest->GetMobilePhone() : QString());
    m_email->setText(guest ? guest->GetEmail() : QString());
    m_address->setPlainText(guest ? FromRecord(guest->GetAddress()) : QString());
    m_notes->setPlainText(guest ? FromRecord(guest->GetNotes()) : QString());
    RefillGroups();
    if (guest)
        SelectGroupOf(*guest);
    else
        m_group->setCurrentIndex(-1);
    m_relation->setCurrentIndex(guest ? int(GuestTexts::Relations().indexOf(guest->GetRelation())) : -1);
    ShowCounts();
    ShowStatus();
    ShowTableFields();
    m_loading = false;
}

void CGuestInfoTab1::SelectGroupOf(CGuest& guest)
{
    const QString name = guest.GetGroupName();
    int index = m_group->findText(name);
    if (index < 0 && (!name.isEmpty() || m_document.Groups().isEmpty())) {
        // A guest whose group the event does not list brings the group along; a guest without a
        // group in an event without groups gets a first one.
        const QString group = name.isEmpty() ? QStringLiteral("קבוצה חדשה") : name;
        CGroupEdits(m_document, m_view).Add(group);
        RefillGroups();
        Edits().SetGroup(guest, group);
        index = m_group->findText(group);
    }
    m_group->setCurrentIndex(index);
}

void CGuestInfoTab1::RefillGroups()
{
    const QString current = m_group->currentText();
    const bool loading = m_loading;
    m_loading = true;
    m_group->clear();
    for (const CGroup* group : m_document.Groups())
        m_group->addItem(group->GetName());
    m_group->setCurrentIndex(m_guest ? m_group->findText(m_guest->GetGroupName()) : m_group->findText(current));
    m_loading = loading;
}

void CGuestInfoTab1::ShowCounts()
{
    const bool loading = m_loading;
    m_loading = true;
    m_invited->setValue(m_guest ? m_guest->GetInvited() : 0);
    m_coming->setValue(m_guest ? m_guest->GetComing() : 0);
    m_coming->setEnabled(!m_guest || !m_guest->IsNotComing());
    SetTip(m_kids, GuestDetailsRules::KidsTooltip(m_guest ? m_guest->GetKids() : 0, m_guest && m_guest->GetNeedKidsChair()));
    m_loading = loading;
}

void CGuestInfoTab1::ShowStatus()
{
    const int status = m_guest ? StatusOf(*m_guest) : 0;
    m_status->button(status)->setChecked(true);
    SetTip(m_statusBox, GuestDetailsRules::StatusTooltip(status));
}

void CGuestInfoTab1::ShowTableFields()
{
    const QList<CTable*>& tables = m_document.Tables();
    const int number = m_guest ? m_guest->GetTableIndex() : -1;
    m_table->setText(m_guest ? QString::number(number) : QString());
    m_hall->setText(number >= 0 && number < tables.size() ? QString::number(tables[number]->GetHallNumber()) : QString());
    SetTip(m_table, GuestDetailsRules::TableTooltip(number >= 0 ? m_document.GuestsAtTable(number) : QList<CGuest*>()));
}

void CGuestInfoTab1::RefreshTable()
{
    const bool loading = m_loading;
    m_loading = true;
    ShowTableFields();
    m_loading = loading;
}

bool CGuestInfoTab1::Validate()
{
    if (!m_guest)
        return true;
    Edits().SetNames(*m_guest, m_guest->GetName().trimmed(), m_guest->GetFamilyName().trimmed());
    const GuestDetailsRules::NameProblem problem = GuestDetailsRules::CheckName(m_document.Guests(), *m_guest);
    if (problem == GuestDetailsRules::NameProblem::None)
        return true;
    CBalloonTip::ShowUnder(m_names, GuestDetailsRules::NameProblemText(problem).replace(QStringLiteral("\r\n"), QStringLiteral("<br>")));
    m_names->setFocus();
    return false;
}

QString CGuestInfoTab1::GroupText() const
{
    return m_group->currentText();
}

QString CGuestInfoTab1::RelationText() const
{
    return m_relation->currentText();
}

void CGuestInfoTab1::FocusNames()
{
    m_names->setFocus();
    m_names->selectAll();
}

QRadioButton* CGuestInfoTab1::StatusButton(int status) const
{
    return qobject_cast<QRadioButton*>(m_status->button(status));
}

void CGuestInfoTab1::OnNamesEdited()
{
    if (!m_guest || m_loading)
        return;
    if (Edits().SetNames(*m_guest, m_names->text().trimmed(), m_family->text().trimmed()))
        Changed(true);
}

void CGuestInfoTab1::OnInvitedChanged(int invited)
{
    if (!m_guest || m_loading || !Edits().SetInvited(*m_guest, invited))
        return;
    ShowCounts();
    Changed(true);
}

void CGuestInfoTab1::OnComingChanged(int coming)
{
    if (!m_guest || m_loading || !Edits().SetComing(*m_guest, coming))
        return;
    ShowCounts();
    Changed(true);
}

void CGuestInfoTab1::OnStatusClicked(int status)
{
    if (!m_guest || m_loading)
        return;
    const int old = StatusOf(*m_guest);
    if (status == old)
        return;
    Edits().SetStatus(*m_guest, status);
    ShowCounts();
    ShowStatus();
    if (old == 2)
        CBalloonTip::ShowUnder(m_coming, GuestDetailsRules::ComingReminder());
    Changed(true);
}

void CGuestInfoTab1::CheckTableNumber()
{
    if (!m_guest || m_loading || m_checkingTable)
        return;
    m_checkingTable = true;
    const int typed = m_table->text().toInt();
    const int current = m_guest->GetTableIndex();
    bool refused = false;
    if (typed >= m_document.Tables().size()) {
        UserQuestion::Ask(m_document.Messages(), QStringLiteral("שולחן זה אינו קיים"), QStringLiteral("שולחן אינו קיים"), MSG_OK);
        refused = true;
    } else if (typed != current) {
        refused = !CTableEdits(m_document, m_view).Seat(*m_guest, typed);
    }
    RefreshTable();
    if (refused)
        m_table->setFocus();
    m_checkingTable = false;
}

void CGuestInfoTab1::SeatAt(int table)
{
    if (!m_guest || table < 0)
        return;
    m_table->setText(QString::number(table));
    CheckTableNumber();
}

void CGuestInfoTab1::ShowSeatMenu()
{
    if (!m_guest)
        return;
    CTableMenu menu(m_document.Tables(), m_guest->GetTableIndex(), kSeatMenuTables, this);
    SeatAt(CTableMenu::TableOf(menu.exec(m_seat->mapToGlobal(QPoint(0, m_seat->height())))));
}

void CGuestInfoTab1::EditKids()
{
    if (!m_guest)
        return;
    CKidsDlg dialog(*m_guest, m_document.Messages(), this);
    if (dialog.exec() == QDialog::Accepted)
        Edit([&dialog](CGuest& guest) { return dialog.WriteTo(guest); }, false);
    ShowCounts();
}

void CGuestInfoTab1::OpenPhoneDirectory()
{
    CGeneralIni general;
    general.Load(ProgramFiles::Locate(QStringLiteral("General.ini")));
    if (!general.PhoneLink().isEmpty())
        QDesktopServices::openUrl(QUrl(general.PhoneLink()));
}
