#pragma once

#include "data/records/ShortDate.h"

#include <QDialog>

class QCalendarWidget;

// A month calendar under a title; OK takes the day clicked. An empty date opens on today.
class CDatePickerDlg : public QDialog
{
    Q_OBJECT

public:
    CDatePickerDlg(const QString& title, const ShortDate& date, QWidget* parent = nullptr);

    ShortDate GetDate() const;
    QCalendarWidget* Calendar() const { return m_calendar; }

private:
    QCalendarWidget* m_calendar;
};
