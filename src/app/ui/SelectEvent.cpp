#include "app/ui/SelectEvent.h"

#include "app/core/EventManager.h"
#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CSelectEvent::CSelectEvent(CNewZelDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_events(new QListWidget(this))
{
    setObjectName(QStringLiteral("selectEvent"));
    setWindowTitle(QStringLiteral("בחירת ארוע פעיל"));
    m_events->setObjectName(QStringLiteral("events"));
    const CEventRegistry& events = document.Events();
    for (int i = 0; i < events.Count(); ++i) {
        m_events->addItem(events.At(i)->GetName());
        if (events.At(i) == events.Active())
            m_events->setCurrentRow(i);
    }
    connect(m_events, &QListWidget::itemDoubleClicked, this, &CSelectEvent::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("בחר/י את הארוע שאותו ברצונך לערוך:"), this));
    layout->addWidget(m_events);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

void CSelectEvent::accept()
{
    const int row = m_events->currentRow();
    CZelEvent* chosen = row >= 0 && row < m_document.Events().Count() ? m_document.Events().At(row) : nullptr;
    // A refused closing question leaves the dialog open on the current event.
    if (CEventManager(m_document).SwitchEvent(chosen))
        QDialog::accept();
}
