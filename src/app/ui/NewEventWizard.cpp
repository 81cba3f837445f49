#include "app/ui/NewEventWizard.h"

#include "app/core/EventManager.h"
#include "app/core/EventTypes.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kTitles[] = {QStringLiteral("הוספת אירוע (שלב 1 מ- 4)"), QStringLiteral("הוספת אירוע (שלב 2 מ-4)"),
                           QStringLiteral("הוספת אירוע (שלב 3 מ-4)"), QStringLiteral("הוספת אירוע (שלב 4 מ-4)")};

// First, middle and family name of one celebrant under a titled frame.
QGroupBox* NamesGroup(const QString& title, QLabel*& label, QLineEdit*& first, QLineEdit*& middle, QLineEdit*& family)
{
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    label = new QLabel;
    form->addRow(label);
    first = new QLineEdit;
    middle = new QLineEdit;
    family = new QLineEdit;
    form->addRow(QStringLiteral("שם פרטי:"), first);
    form->addRow(QStringLiteral("שם שני:"), middle);
    form->addRow(QStringLiteral("שם משפחה:"), family);
    return group;
}

}

CNewEventWizard::CNewEventWizard(CNewZelDoc& document, bool createNew, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_createNew(createNew)
    , m_sourceEvents(CEventManager(document).NamedEvents())
{
    setObjectName(QStringLiteral("newEventWizard"));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(MakeTypePage());
    m_pages->addWidget(MakeCopyPage());
    m_pages->addWidget(MakeNamesPage());
    m_pages->addWidget(MakeGroupsPage());

    m_back = new QPushButton(QStringLiteral("הקודם"), this);
    m_next = new QPushButton(QStringLiteral("הבא"), this);
    auto* cancel = new QPushButton(QStringLiteral("ביטול"), this);
    m_next->setDefault(true);
    connect(m_back, &QPushButton::clicked, this, &CNewEventWizard::OnBack);
    connect(m_next, &QPushButton::clicked, this, &CNewEventWizard::OnNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    // Describing the first event starts from what it holds already.
    if (!createNew) {
        const CEventDescription current = CEventManager(document).Current();
        m_types->setCurrentRow(qBound(0, current.type, EventTypes::Count() - 1));
        if (current.date.isValid())
            m_date->setDate(current.date);
        m_phone->setText(current.phone);
    }
    ShowPage(TypePage);
}

bool CNewEventWizard::Run(CNewZelDoc& document, bool createNew, QWidget* parent)
{
    CNewEventWizard wizard(document, createNew, parent);
    return wizard.exec() == QDialog::Accepted;
}

QWidget* CNewEventWizard::MakeTypePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("בחירת סוג האירוע:")));
    m_types = new QListWidget;
    m_types->setObjectName(QStringLiteral("eventTypes"));
    for (int type = 0; type < EventTypes::Count(); ++type)
        m_types->addItem(EventTypes::TypeText(type));
    m_types->setCurrentRow(0);
    connect(m_types, &QListWidget::currentRowChanged, this, &CNewEventWizard::FollowType);
    layout->addWidget(m_types);
    layout->addWidget(new QLabel(QStringLiteral("בחירת תאריך האירוע:")));
    m_date = new QDateEdit(QDate::currentDate());
    m_date->setObjectName(QStringLiteral("eventDate"));
    m_date->setCalendarPopup(true);
    layout->addWidget(m_date);
    return page;
}

QWidget* CNewEventWizard::MakeCopyPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_noCopy = new QRadioButton(QStringLiteral("אל תעתיק נתונים מארוע קיים"));
    m_copy = new QRadioButton(QStringLiteral("העתק נתונים (מוזמנים,קבוצות וכו) מארוע קיים"));
    m_noCopy->setChecked(true);
    m_sources = new QListWidget;
    m_sources->setObjectName(QStringLiteral("sourceEvents"));
    for (const CZelEvent* event : std::as_const(m_sourceEvents))
        m_sources->addItem(event->GetName());
    m_sources->setCurrentRow(0);
    m_sources->setEnabled(false);
    m_copy->setEnabled(!m_sourceEvents.isEmpty());
    connect(m_copy, &QRadioButton::toggled, this, [this](bool on) {
        m_sources->setEnabled(on);
        // Copied data brings its own groups.
        (on ? m_noGroups : m_groups)->setChecked(true);
    });
    layout->addWidget(m_noCopy);
    layout->addWidget(m_copy);
    layout->addWidget(m_sources);
    return page;
}

QWidget* CNewEventWizard::MakeNamesPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QLabel* groomLabel = nullptr;
    m_brideGroup = NamesGroup(QString(), m_brideLabel, m_brideName, m_brideMid, m_brideFamily);
    m_groomGroup = NamesGroup(QString(), groomLabel, m_groomName, m_groomMid, m_groomFamily);
    groomLabel->setText(QStringLiteral("החתן"));
    m_brideName->setObjectName(QStringLiteral("brideName"));
    m_groomName->setObjectName(QStringLiteral("groomName"));
    auto* names = new QHBoxLayout;
    names->addWidget(m_brideGroup);
    names->addWidget(m_groomGroup);
    layout->addLayout(names);
    auto* eventName = new QFormLayout;
    m_eventName = new QLineEdit;
    m_eventName->setObjectName(QStringLiteral("eventName"));
    eventName->addRow(QStringLiteral("שם הארוע:"), m_eventName);
    layout->addLayout(eventName);
    connect(m_brideName, &QLineEdit::textEdited, this, &CNewEventWizard::RewriteEventName);
    connect(m_groomName, &QLineEdit::textEdited, this, &CNewEventWizard::RewriteEventName);
    FollowType();
    return page;
}

QWidget* CNewEventWizard::MakeGroupsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_groups = new QRadioButton(QStringLiteral("יצירת קבוצות אוטומטית לפי שמות בעלי השמחה (מומלץ)"));
    m_noGroups = new QRadioButton(QStringLiteral("אל תיצור קבוצות בשלב זה."));
    m_groups->setChecked(true);
    layout->addWidget(m_groups);
    layout->addWidget(m_noGroups);
    auto* phone = new QFormLayout;
    m_phone = new QLineEdit;
    phone->addRow(QStringLiteral("טלפון להתקשרות:"), m_phone);
    layout->addLayout(phone);
    layout->addStretch();
    return page;
}

void CNewEventWizard::FollowType()
{
    if (!m_brideGroup)
        return;
    const int type = m_types->currentRow();
    m_brideGroup->setTitle(EventTypes::NamesTitle(type));
    m_brideLabel->setText(EventTypes::FirstLabel(type));
    m_groomGroup->setVisible(EventTypes::IsWedding(type));
    RewriteEventName();
}

void CNewEventWizard::RewriteEventName()
{
    const int type = m_types->currentRow();
    m_eventName->setText(EventTypes::EventName(type, m_brideName->text().trimmed(),
                                                EventTypes::IsWedding(type) ? m_groomName->text().trimmed() : QString()));
}

int CNewEventWizard::CurrentPage() const
{
    return m_pages->currentIndex();
}

void CNewEventWizard::ShowPage(int page)
{
    m_pages->setCurrentIndex(page);
    setWindowTitle(kTitles[page]);
    m_back->setVisible(page != TypePage);
    m_next->setText(page == GroupsPage ? QStringLiteral("סיום") : QStringLiteral("הבא"));
}

void CNewEventWizard::OnNext()
{
    switch (CurrentPage()) {
    case TypePage:
        ShowPage(m_createNew ? CopyPage : NamesPage);
        break;
    case CopyPage:
        ShowPage(NamesPage);
        break;
    case NamesPage: {
        const bool wedding = EventTypes::IsWedding(m_types->currentRow());
        if (m_brideName->text().trimmed().isEmpty() || (wedding && m_groomName->text().trimmed().isEmpty())) {
            if (IUserMessages* messages = m_document.Messages())
                messages->MessageById(59669, 59605, MSG_OK);
            return;
        }
        ShowPage(GroupsPage);
        break;
    }
    default:
        Finish();
        break;
    }
}

void CNewEventWizard::OnBack()
{
    const int page = CurrentPage();
    ShowPage(page == NamesPage && !m_createNew ? TypePage : page - 1);
}

CEventDescription CNewEventWizard::Description() const
{
    CEventDescription description;
    description.type = m_types->currentRow();
    const bool wedding = EventTypes::IsWedding(description.type);
    description.date = m_date->date();
    description.brideName = m_brideName->text().trimmed();
    description.brideMid = m_brideMid->text().trimmed();
    description.brideFamily = m_brideFamily->text().trimmed();
    if (wedding) {
        description.groomName = m_groomName->text().trimmed();
        description.groomMid = m_groomMid->text().trimmed();
        description.groomFamily = m_groomFamily->text().trimmed();
    }
    description.phone = m_phone->text().trimmed();
    description.eventName = m_eventName->text();
    const int source = m_sources->currentRow();
    if (m_createNew && m_copy->isChecked() && source >= 0 && source < m_sourceEvents.size())
        description.copyFrom = m_sourceEvents[source]->GetFolder();
    description.createGroups = m_groups->isChecked();
    return description;
}

void CNewEventWizard::Finish()
{
    CEventManager manager(m_document);
    if (!m_createNew) {
        manager.DescribeEvent(Description());
        accept();
        return;
    }
    // A refused closing question or an event that could not be made ends the wizard unchanged.
    if (manager.AddEvent(Description()))
        accept();
    else
        reject();
}
