#include "app/ui/WeddingInfoDlg.h"

#include "app/core/EventManager.h"
#include "app/core/EventTypes.h"
#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/records/ShortDate.h"
#include "finance/ui/DatePickerDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* NamesGroup(const QString& title, QLineEdit*& first, QLineEdit*& middle, QLineEdit*& family)
{
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    first = new QLineEdit;
    middle = new QLineEdit;
    family = new QLineEdit;
    form->addRow(QStringLiteral("שם פרטי: *"), first);
    form->addRow(QStringLiteral("שם שני:"), middle);
    form->addRow(QStringLiteral("שם משפחה:"), family);
    return group;
}

ShortDate ToShortDate(const QDate& date)
{
    return date.isValid() ? ShortDate{quint16(date.year()), quint16(date.month()), quint16(date.day())} : ShortDate{};
}

}

CWeddingInfoDlg::CWeddingInfoDlg(CNewZelDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_current(CEventManager(document).Current())
{
    setObjectName(QStringLiteral("weddingInfo"));
    setWindowTitle(QStringLiteral("פרטי הארוע"));
    const bool wedding = EventTypes::IsWedding(m_current.type);
    QGroupBox* bride = NamesGroup(wedding ? QStringLiteral("הכלה") : EventTypes::FirstLabel(m_current.type), m_brideName,
                                  m_brideMid, m_brideFamily);
    m_groomGroup = NamesGroup(QStringLiteral("החתן"), m_groomName, m_groomMid, m_groomFamily);
    m_groomGroup->setVisible(wedding);
    m_brideName->setText(m_current.brideName);
    m_brideMid->setText(m_current.brideMid);
    m_brideFamily->setText(m_current.brideFamily);
    m_groomName->setText(m_current.groomName);
    m_groomMid->setText(m_current.groomMid);
    m_groomFamily->setText(m_current.groomFamily);

    auto* couple = new QGroupBox(EventTypes::NamesTitle(m_current.type));
    auto* names = new QHBoxLayout(couple);
    names->addWidget(bride);
    names->addWidget(m_groomGroup);

    m_date = new QLineEdit(m_current.date.isValid() ? ToShortDate(m_current.date).ToText() : QString());
    m_date->setReadOnly(true);
    auto* choose = new QPushButton(QStringLiteral("בחר"));
    connect(choose, &QPushButton::clicked, this, &CWeddingInfoDlg::ChooseDate);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date);
    dateRow->addWidget(choose);
    m_phone = new QLineEdit(m_current.phone);
    m_eventName = new QLineEdit(m_current.eventName);
    m_eventName->setObjectName(QStringLiteral("eventName"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("תאריך הארוע:"), dateRow);
    form->addRow(QStringLiteral("טלפון להתקשרות:"), m_phone);
    form->addRow(QStringLiteral("שם הארוע:*"), m_eventName);

    auto* approvals = new QGroupBox(QStringLiteral("אישורי הגעה:"));
    auto* approvalsForm = new QFormLayout(approvals);
    m_eventCode = new QLineEdit(m_current.eventCode);
    m_eventCode->setObjectName(QStringLiteral("eventCode"));
    approvalsForm->addRow(QStringLiteral("קוד הארוע:"), m_eventCode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(couple);
    layout->addLayout(form);
    layout->addWidget(approvals);
    layout->addWidget(new QLabel(QStringLiteral("חובה למלא את השדות המסומנים בכוכבית.")));
    layout->addWidget(DialogHelpers::OkCancel(this));

    connect(m_brideName, &QLineEdit::textEdited, this, &CWeddingInfoDlg::RewriteEventName);
    connect(m_groomName, &QLineEdit::textEdited, this, &CWeddingInfoDlg::RewriteEventName);
    connect(m_eventName, &QLineEdit::textEdited, this, [this] { m_nameEdited = true; });
}

void CWeddingInfoDlg::RewriteEventName()
{
    if (!m_nameEdited)
        m_eventName->setText(EventTypes::EventName(m_current.type, m_brideName->text().trimmed(),
                                                   m_groomName->text().trimmed()));
}

void CWeddingInfoDlg::ChooseDate()
{
    CDatePickerDlg picker(QStringLiteral("תאריך החתונה"), ShortDate::FromText(m_date->text()), this);
    if (picker.exec() == QDialog::Accepted)
        m_date->setText(picker.GetDate().ToText());
}

bool CWeddingInfoDlg::WantsToFillNames()
{
    const bool missing = m_brideName->text().trimmed().isEmpty() ||
                         (EventTypes::IsWedding(m_current.type) && m_groomName->text().trimmed().isEmpty());
    IUserMessages* messages = m_document.Messages();
    return missing && m_document.Groups().isEmpty() && messages &&
           messages->MessageById(59604, 59605, MSG_YES_NO) == MSG_RESULT_YES;
}

CEventDescription CWeddingInfoDlg::Description() const
{
    CEventDescription description = m_current;
    description.brideName = m_brideName->text().trimmed();
    description.brideMid = m_brideMid->text().trimmed();
    description.brideFamily = m_brideFamily->text().trimmed();
    description.groomName = m_groomName->text().trimmed();
    description.groomMid = m_groomMid->text().trimmed();
    description.groomFamily = m_groomFamily->text().trimmed();
    const ShortDate date = ShortDate::FromText(m_date->text());
    description.date = date.IsEmpty() ? QDate() : QDate(date.year, date.month, date.day);
    description.phone = m_phone->text().trimmed();
    description.eventName = m_eventName->text();
    description.eventCode = m_eventCode->text().trimmed();
    return description;
}

void CWeddingInfoDlg::accept()
{
    if (WantsToFillNames())
        return;
    if (m_eventName->text().trimmed().isEmpty()) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageById(59838, 59837, MSG_OK);
        m_eventName->setFocus();
        return;
    }
    CEventManager(m_document).ApplyDetails(Description());
    QDialog::accept();
}

void CWeddingInfoDlg::reject()
{
    if (!WantsToFillNames())
        QDialog::reject();
}
