#pragma once

#include <QString>

class CNewZelDoc;
class CTask;

// Every edit of the task tree: each changes the document's tasks at once and marks the event
// modified. A task never loses its name, since the loader drops a nameless task with its subtree.
class CTaskEdits
{
public:
    explicit CTaskEdits(CNewZelDoc& document);

    // A new task beside the selected one: right after it among its siblings, or as the last child
    // of the selected task (asChild, or when the root is selected). Null when nothing was created.
    CTask* Add(CTask& selected, const QString& name, const QString& info, bool asChild);
    // False, keeping the previous name, for an empty name.
    bool Rename(CTask& task, const QString& name);
    bool SetInfo(CTask& task, const QString& info);
    // Name and info of the task dialog; an empty name keeps the previous one.
    bool Edit(CTask& task, const QString& name, const QString& info);
    bool SetDone(CTask& task, bool done);
    // Deletes the task with every task below it; the root is never deleted (false).
    bool Delete(CTask& task);

private:
    bool Changed(bool changed);

    CNewZelDoc& m_document;
};
