#pragma once

#include "data/records/ShortDate.h"

#include <QDialog>

class IUserMessages;
class QCalendarWidget;

// A month calendar on a date; OK takes the day chosen, and insists that one is.
class CDateDialog : public QDialog
{
    Q_OBJECT

public:
    CDateDialog(const ShortDate& date, IUserMessages* messages, const QString& caption = QString(),
                QWidget* parent = nullptr);

    const ShortDate& Chosen() const { return m_chosen; }
    QCalendarWidget* Calendar() const { return m_calendar; }

    void accept() override;

private:
    IUserMessages* m_messages;
    QCalendarWidget* m_calendar;
    ShortDate m_chosen;
};
