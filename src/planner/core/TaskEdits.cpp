#include "planner/core/TaskEdits.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Task.h"

#include <memory>

CTaskEdits::CTaskEdits(CNewZelDoc& document)
    : m_document(document)
{
}

bool CTaskEdits::Changed(bool changed)
{
    if (changed)
        m_document.SetModified();
    return changed;
}

CTask* CTaskEdits::Add(CTask& selected, const QString& name, const QString& info, bool asChild)
{
    CTask* parent = selected.GetParent();
    const bool under = asChild || !parent;
    if (under)
        parent = &selected;
    auto task = std::make_unique<CTask>(&m_document.Counters());
    task->SetName(name);
    task->SetInfo(info);
    const int position = under ? parent->GetChildCount() : parent->IndexOfChild(&selected) + 1;
    CTask* added = parent->InsertChild(std::move(task), position);
    Changed(added != nullptr);
    return added;
}

bool CTaskEdits::Rename(CTask& task, const QString& name)
{
    return !name.isEmpty() && Changed(task.SetName(name));
}

bool CTaskEdits::SetInfo(CTask& task, const QString& info)
{
    return Changed(task.SetInfo(info));
}

bool CTaskEdits::Edit(CTask& task, const QString& name, const QString& info)
{
    const bool renamed = Rename(task, name);
    return SetInfo(task, info) || renamed;
}

bool CTaskEdits::SetDone(CTask& task, bool done)
{
    return Changed(task.SetChecked(done));
}

bool CTaskEdits::Delete(CTask& task)
{
    CTask* parent = task.GetParent();
    if (!parent)
        return false;
    // Taken out of the list and destroyed with everything below it.
    return Changed(parent->RemoveChild(&task) != nullptr);
}
