#include "finance/ui/DatePickerDlg.h"

#include "controls/DialogHelpers.h"
#include "data/settings/Language.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLocale>
#include <QVBoxLayout>

CDatePickerDlg::CDatePickerDlg(const QString& title, const ShortDate& date, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    m_calendar = new QCalendarWidget(this);
    // Month and day names in the interface's language, the week from Sunday as in Israel.
    m_calendar->setLocale(Language::IsHebrew() ? QLocale(QLocale::Hebrew, QLocale::Israel)
                                               : QLocale(QLocale::English, QLocale::UnitedStates));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Room for every short day name ("יום ה'") in its column.
    m_calendar->setMinimumWidth(7 * (m_calendar->fontMetrics().horizontalAdvance(QStringLiteral("יום ה'")) + 12));
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
