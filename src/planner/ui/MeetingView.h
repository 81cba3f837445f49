#pragma once

#include "controls/GenericView.h"

#include "data/records/ShortDate.h"

#include <QStandardItemModel>

class CListCtrlEx;
class CMeeting;
class IPlatform;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The couple's appointments with suppliers: the meetings on one side and the details of the current
// one beside them, written into the meeting as they are typed. From here the user reaches the task
// tree and copies a meeting into the desktop's calendar.
class CMeetingView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 11;
    enum Column { ColumnHidden, ColumnSubject, ColumnDate };

    CMeetingView(CNewZelDoc& document, IPlatform& platform, QWidget* parent = nullptr);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    void NewMeeting();
    void DeleteMeeting();
    void ChangeDate();
    // Flips the direction and sorts the meetings by date; the first click sorts newest first.
    void SortByDateColumn();
    void OpenTaskTree();
    void CopyToCalendar();

    // The meeting whose details are in the pane, or null.
    CMeeting* CurrentMeeting() const;
    int CurrentRow() const { return m_current; }

    CListCtrlEx* List() const { return m_list; }
    QWidget* Pane() const { return m_pane; }
    QLineEdit* SubjectEdit() const { return m_subject; }
    QLineEdit* ContactNameEdit() const { return m_contactName; }
    QLineEdit* ContactJobEdit() const { return m_contactJob; }
    QLineEdit* PhoneEdit() const { return m_phone; }
    QLineEdit* AddressEdit() const { return m_address; }
    QPlainTextEdit* InfoEdit() const { return m_info; }
    QDateEdit* DatePicker() const { return m_datePicker; }
    QLabel* DateText() const { return m_dateText; }
    QPushButton* NewButton() const { return m_new; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* DateButton() const { return m_dateButton; }
    QPushButton* TasksButton() const { return m_tasks; }
    QPushButton* CalendarButton() const { return m_calendar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    // Rebuilds the rows from the document's list and selects a row (clamped), or empties the pane.
    void Fill(int row);
    void SelectRow(int row);
    void OnSelectionChanged();
    void LoadPane();
    void ClearPane();
    // Writes the pane into the current meeting and its row.
    void WritePane();
    void WriteRow(int row);
    void OnDatePicked();
    void Sort(bool ascending);
    void FitColumns();

    IPlatform& m_platform;
    QStandardItemModel m_model;
    CListCtrlEx* m_list = nullptr;
    QWidget* m_pane = nullptr;
    QLineEdit* m_subject = nullptr;
    QLineEdit* m_contactName = nullptr;
    QLineEdit* m_contactJob = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_address = nullptr;
    QPlainTextEdit* m_info = nullptr;
    QDateEdit* m_datePicker = nullptr;
    QLabel* m_dateText = nullptr;
    QPushButton* m_dateButton = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_tasks = nullptr;
    QPushButton* m_calendar = nullptr;
    int m_current = -1;
    bool m_ascending = true;
    // Set while the view fills its own rows and fields: their change signals are not edits.
    bool m_filling = false;
};
