#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// The name and info of a task, new or changed; a new task may go under the current one.
class CCreateTaskDlg : public QDialog
{
    Q_OBJECT

public:
    CCreateTaskDlg(const QString& name, const QString& info, bool newTask, QWidget* parent = nullptr);

    QString Name() const;
    QString Info() const;
    bool AsSubTask() const;

    QLineEdit* NameEdit() const { return m_name; }
    QPlainTextEdit* InfoEdit() const { return m_info; }
    QCheckBox* SubTaskBox() const { return m_subTask; }

    void accept() override;

private:
    QLineEdit* m_name;
    QPlainTextEdit* m_info;
    QCheckBox* m_subTask;
};
