#include "planner/ui/TasksTreeDlg.h"

#include "controls/DialogHelpers.h"

#include "planner/core/LineBreaks.h"
#include "planner/core/TaskEdits.h"
#include "planner/ui/CreateTaskDlg.h"
#include "planner/ui/NotesEdit.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Task.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int kTaskRole = Qt::UserRole;

}

CTasksTreeDlg::CTasksTreeDlg(CNewZelDoc* document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_tree(new QTreeWidget(this))
    , m_name(new QLineEdit(this))
    , m_info(NotesEdit::Create(this))
    , m_add(new QPushButton(QStringLiteral("הוספת משימה"), this))
    , m_delete(new QPushButton(QStringLiteral("מחיקת משימה"), this))
    , m_edit(new QPushButton(QStringLiteral("שינוי  משימה"), this))
{
    setWindowTitle(QStringLiteral("עץ המשימות"));
    m_tree->setHeaderHidden(true);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setMinimumSize(320, 300);

    auto shortcut = [this](const QKeySequence& keys, void (CTasksTreeDlg::*action)()) {
        auto* key = new QShortcut(keys, m_tree, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::Key_Delete), &CTasksTreeDlg::DeleteTask);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), &CTasksTreeDlg::NewTask);
    shortcut(QKeySequence(Qt::Key_F2), &CTasksTreeDlg::EditTask);
    connect(m_add, &QPushButton::clicked, this, &CTasksTreeDlg::NewTask);
    connect(m_delete, &QPushButton::clicked, this, &CTasksTreeDlg::DeleteTask);
    connect(m_edit, &QPushButton::clicked, this, &CTasksTreeDlg::EditTask);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CTasksTreeDlg::OnSelectionChanged);
    connect(m_tree, &QTreeWidget::itemChanged, this, &CTasksTreeDlg::OnItemChanged);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        CTask* task = SelectedTask();
        if (task && CTaskEdits(*m_document).Rename(*task, text.trimmed())) {
            m_filling = true;
            m_tree->currentItem()->setText(0, task->GetName());
            m_filling = false;
        }
    });
    connect(m_info, &QPlainTextEdit::textChanged, this, [this] {
        if (CTask* task = SelectedTask(); task && !m_filling)
            CTaskEdits(*m_document).SetInfo(*task, LineBreaks::ForStoring(m_info->toPlainText()));
    });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("שם המשימה:"), m_name);
    fields->addRow(QStringLiteral("פרטים:"), m_info);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_add);
    commands->addWidget(m_delete);
    commands->addWidget(m_edit);
    commands->addStretch();
    QDialogButtonBox* close = DialogHelpers::OkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(fields);
    layout->addLayout(commands);
    layout->addWidget(close);

    if (m_document) {
        QTreeWidgetItem* root = Show(m_document->RootTask(), nullptr, 0);
        m_tree->setCurrentItem(root);
    }
    OnSelectionChanged();
}

CTask* CTasksTreeDlg::TaskOf(const QTreeWidgetItem* item)
{
    return item ? static_cast<CTask*>(item->data(0, kTaskRole).value<void*>()) : nullptr;
}

CTask* CTasksTreeDlg::SelectedTask() const
{
    return m_document ? TaskOf(m_tree->currentItem()) : nullptr;
}

QTreeWidgetItem* CTasksTreeDlg::Show(CTask& root, QTreeWidgetItem* parent, int position)
{
    m_filling = true;
    QTreeWidgetItem* top = nullptr;
    // Each task's item goes in at its position under its parent's item; its children follow it.
    std::vector<std::pair<CTask*, std::pair<QTreeWidgetItem*, int>>> pending{{&root, {parent, position}}};
    while (!pending.empty()) {
        auto [task, place] = pending.back();
        pending.pop_back();
        auto* item = new QTreeWidgetItem;
        item->setText(0, task->GetName());
        item->setData(0, kTaskRole, QVariant::fromValue(static_cast<void*>(task)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, task->IsChecked() ? Qt::Checked : Qt::Unchecked);
        if (place.first) {
            place.first->insertChild(place.second, item);
            place.first->setExpanded(true);
        } else {
            m_tree->insertTopLevelItem(0, item);
        }
        if (!top)
            top = item;
        for (int n = task->GetChildCount() - 1; n >= 0; --n)
            pending.push_back({task->GetChild(n), {item, n}});
    }
    m_filling = false;
    return top;
}

void CTasksTreeDlg::OnSelectionChanged()
{
    const CTask* task = SelectedTask();
    m_filling = true;
    m_name->setText(task ? task->GetName() : QString());
    m_info->setPlainText(task ? LineBreaks::ForEditing(task->GetInfo()) : QString());
    m_filling = false;
    m_name->setEnabled(task != nullptr);
    m_info->setEnabled(task != nullptr);
}

void CTasksTreeDlg::OnItemChanged(QTreeWidgetItem* item, int column)
{
    // The box is stored however it was flipped, by the mouse or by the space key.
    if (CTask* task = TaskOf(item); task && !m_filling && m_document)
        CTaskEdits(*m_document).SetDone(*task, item->checkState(column) == Qt::Checked);
}

void CTasksTreeDlg::NewTask()
{
    CTask* selected = SelectedTask();
    if (!selected)
        return;
    CCreateTaskDlg dialog(QString(), QString(), true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CTask* added = CTaskEdits(*m_document).Add(*selected, dialog.Name(), dialog.Info(), dialog.AsSubTask());
    if (!added)
        return;
    QTreeWidgetItem* selectedItem = m_tree->currentItem();
    QTreeWidgetItem* parentItem = added->GetParent() == selected ? selectedItem : selectedItem->parent();
    m_tree->setCurrentItem(Show(*added, parentItem, added->GetParent()->IndexOfChild(added)));
}

void CTasksTreeDlg::EditTask()
{
    CTask* task = SelectedTask();
    if (!task)
        return;
    CCreateTaskDlg dialog(task->GetName(), task->GetInfo(), false, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CTaskEdits(*m_document).Edit(*task, dialog.Name(), dialog.Info());
    m_filling = true;
    m_tree->currentItem()->setText(0, task->GetName());
    m_filling = false;
    OnSelectionChanged();
}

void CTasksTreeDlg::DeleteTask()
{
    CTask* task = SelectedTask();
    if (!task)
        return;
    if (!task->GetParent()) {
        QApplication::beep();
        return;
    }
    // The items go first, so the selection moving on never meets a task already deleted.
    delete m_tree->currentItem();
    CTaskEdits(*m_document).Delete(*task);
    OnSelectionChanged();
}
