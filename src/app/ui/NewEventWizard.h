#pragma once

#include "app/core/EventDescription.h"

#include <QDialog>
#include <QList>

class CNewZelDoc;
class CZelEvent;
class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The four pages that describe an event: its kind and date, the event to copy from, the
// celebrants' names with the event name, and the groups and phone. When adding an event its
// finish creates it; on the first showing it describes the existing event and the copy page is
// left out. Cancel on any page changes nothing.
class CNewEventWizard : public QDialog
{
    Q_OBJECT

public:
    enum Page { TypePage, CopyPage, NamesPage, GroupsPage };

    CNewEventWizard(CNewZelDoc& document, bool createNew, QWidget* parent = nullptr);

    // Runs the wizard; true when it finished.
    static bool Run(CNewZelDoc& document, bool createNew, QWidget* parent);

    int CurrentPage() const;
    void ShowPage(int page);
    CEventDescription Description() const;

    QListWidget* Types() const { return m_types; }
    QDateEdit* Date() const { return m_date; }
    QRadioButton* CopyChoice() const { return m_copy; }
    QListWidget* SourceEvents() const { return m_sources; }
    QLineEdit* BrideName() const { return m_brideName; }
    QLineEdit* GroomName() const { return m_groomName; }
    QGroupBox* GroomGroup() const { return m_groomGroup; }
    QLineEdit* EventName() const { return m_eventName; }
    QRadioButton* GroupsChoice() const { return m_groups; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* BackButton() const { return m_back; }

private:
    QWidget* MakeTypePage();
    QWidget* MakeCopyPage();
    QWidget* MakeNamesPage();
    QWidget* MakeGroupsPage();
    void OnNext();
    void OnBack();
    void Finish();
    void FollowType();
    void RewriteEventName();

    CNewZelDoc& m_document;
    bool m_createNew;
    QList<CZelEvent*> m_sourceEvents;
    QStackedWidget* m_pages = nullptr;
    QListWidget* m_types = nullptr;
    QDateEdit* m_date = nullptr;
    QRadioButton* m_noCopy = nullptr;
    QRadioButton* m_copy = nullptr;
    QListWidget* m_sources = nullptr;
    QGroupBox* m_brideGroup = nullptr;
    QLabel* m_brideLabel = nullptr;
    QLineEdit* m_brideName = nullptr;
    QLineEdit* m_brideMid = nullptr;
    QLineEdit* m_brideFamily = nullptr;
    QGroupBox* m_groomGroup = nullptr;
    QLineEdit* m_groomName = nullptr;
    QLineEdit* m_groomMid = nullptr;
    QLineEdit* m_groomFamily = nullptr;
    QLineEdit* m_eventName = nullptr;
    QRadioButton* m_groups = nullptr;
    QRadioButton* m_noGroups = nullptr;
    QLineEdit* m_phone = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
};
