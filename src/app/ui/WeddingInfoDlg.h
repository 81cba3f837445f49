#pragma once

#include "app/core/EventDescription.h"

#include <QDialog>

class CNewZelDoc;
class QGroupBox;
class QLineEdit;

// "פרטי הארוע": the celebrants, date, contact phone, event name and the code of the approvals
// site of the active event. The event name follows the first names, by the event type's own
// format, until the user edits it.
class CWeddingInfoDlg : public QDialog
{
    Q_OBJECT

public:
    CWeddingInfoDlg(CNewZelDoc& document, QWidget* parent = nullptr);

    QLineEdit* BrideName() const { return m_brideName; }
    QLineEdit* GroomName() const { return m_groomName; }
    QLineEdit* DateText() const { return m_date; }
    QLineEdit* EventName() const { return m_eventName; }
    QLineEdit* EventCode() const { return m_eventCode; }
    QGroupBox* GroomGroup() const { return m_groomGroup; }

    void accept() override;
    void reject() override;

private:
    void RewriteEventName();
    void ChooseDate();
    // The question about empty first names; true when the user wants to fill them in now.
    bool WantsToFillNames();
    CEventDescription Description() const;

    CNewZelDoc& m_document;
    CEventDescription m_current;
    bool m_nameEdited = false;
    QGroupBox* m_groomGroup = nullptr;
    QLineEdit* m_brideName = nullptr;
    QLineEdit* m_brideMid = nullptr;
    QLineEdit* m_brideFamily = nullptr;
    QLineEdit* m_groomName = nullptr;
    QLineEdit* m_groomMid = nullptr;
    QLineEdit* m_groomFamily = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_eventName = nullptr;
    QLineEdit* m_eventCode = nullptr;
};
