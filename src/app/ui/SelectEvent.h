#pragma once

#include <QDialog>

class CNewZelDoc;
class QListWidget;

// "בחירת ארוע פעיל": the events in registry order with the active one chosen; OK on another event
// makes it the active one once the current one may be left.
class CSelectEvent : public QDialog
{
    Q_OBJECT

public:
    CSelectEvent(CNewZelDoc& document, QWidget* parent = nullptr);

    QListWidget* Events() const { return m_events; }

    void accept() override;

private:
    CNewZelDoc& m_document;
    QListWidget* m_events;
};
