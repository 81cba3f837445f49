#pragma once

#include <QDialog>

class CNewZelDoc;
class CTask;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The event's to-do list: the task tree with a done box a task, the name and info of the selected
// task edited in place, and adding, changing and deleting tasks. Every change goes to the
// document's tasks at once; OK and Cancel only close.
class CTasksTreeDlg : public QDialog
{
    Q_OBJECT

public:
    // Without a document the dialog opens empty.
    explicit CTasksTreeDlg(CNewZelDoc* document, QWidget* parent = nullptr);

    void NewTask();
    void EditTask();
    void DeleteTask();

    static CTask* TaskOf(const QTreeWidgetItem* item);
    CTask* SelectedTask() const;

    QTreeWidget* Tree() const { return m_tree; }
    QLineEdit* NameEdit() const { return m_name; }
    QPlainTextEdit* InfoEdit() const { return m_info; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* EditButton() const { return m_edit; }

private:
    // The task's item after the given one under parent (first when null, at the top without a
    // parent), then its children in order.
    QTreeWidgetItem* Show(CTask& task, QTreeWidgetItem* parent, int position);
    void OnSelectionChanged();
    void OnItemChanged(QTreeWidgetItem* item, int column);

    CNewZelDoc* m_document;
    QTreeWidget* m_tree;
    QLineEdit* m_name;
    QPlainTextEdit* m_info;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_edit;
    // Set while the dialog fills its own fields and items: their change signals are not edits.
    bool m_filling = false;
};
