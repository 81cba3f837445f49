#include "planner/ui/DateDialog.h"

#include "controls/DialogHelpers.h"

#include "data/document/UserMessages.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace {

const int kNoDayTextId = 59503;
const int kNoDayCaptionId = 59502;

}

CDateDialog::CDateDialog(const ShortDate& date, IUserMessages* messages, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_calendar(new QCalendarWidget(this))
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
    m_calendar->setGridVisible(true);
    const QDate day(date.year, date.month, date.day);
    m_calendar->setSelectedDate(day.isValid() ? day : QDate::currentDate());

    QDialogButtonBox* buttons = DialogHelpers::OkCancel(this);
    connect(m_calendar, &QCalendarWidget::activated, this, &CDateDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
}

void CDateDialog::accept()
{
    const QDate day = m_calendar->selectedDate();
    if (!day.isValid()) {
        if (m_messages)
            m_messages->MessageById(kNoDayTextId, kNoDayCaptionId, MSG_OK);
        return;
    }
    m_chosen = {quint16(day.year()), quint16(day.month()), quint16(day.day())};
    QDialog::accept();
}
