#include "planner/ui/CreateTaskDlg.h"

#include "controls/DialogHelpers.h"

#include "planner/core/LineBreaks.h"
#include "planner/ui/NotesEdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CCreateTaskDlg::CCreateTaskDlg(const QString& name, const QString& info, bool newTask, QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(name, this))
    , m_info(NotesEdit::Create(this))
    , m_subTask(new QCheckBox(QStringLiteral("הוסף את המשימה מתחת למשימה הנוכחית"), this))
{
    setWindowTitle(QStringLiteral("פרטי המשימה"));
    m_subTask->setEnabled(newTask);
    m_info->setPlainText(LineBreaks::ForEditing(info));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שם המשימה:"), m_name);
    form->addRow(QStringLiteral("פרטים:"), m_info);
    QDialogButtonBox* buttons = DialogHelpers::OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_subTask);
    layout->addWidget(buttons);
}

QString CCreateTaskDlg::Name() const
{
    return m_name->text().trimmed();
}

QString CCreateTaskDlg::Info() const
{
    return LineBreaks::ForStoring(m_info->toPlainText());
}

bool CCreateTaskDlg::AsSubTask() const
{
    return m_subTask->isEnabled() && m_subTask->isChecked();
}

void CCreateTaskDlg::accept()
{
    if (Name().isEmpty()) {
        QMessageBox::warning(this, QString(), QStringLiteral("Can not create empty task"));
        return;
    }
    QDialog::accept();
}
