#include "finance/ui/DatePickerDlg.h"

#include "controls/DialogHelpers.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

CDatePickerDlg::CDatePickerDlg(const QString& title, const ShortDate& date, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    m_calendar = new QCalendarWidget(this);
    const QDate shown(date.year, date.month, date.day);
    m_calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

ShortDate CDatePickerDlg::GetDate() const
{
    const QDate date = m_calendar->selectedDate();
    return ShortDate{quint16(date.year()), quint16(date.month()), quint16(date.day())};
}
