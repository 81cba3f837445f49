#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CIniFile;
class CRecordCounters;

// A node of the task tree: a name, an info text, a done mark and owned child tasks. The whole tree
// is kept in Tasks.ini, one section "Task<id>" a node. Walks over the tree use explicit stacks, so
// a deep tree read from a file cannot exhaust the call stack.
class CTask
{
public:
    // Takes the next task id of the event's counters; a loose task (a test's) has id 0.
    explicit CTask(CRecordCounters* counters = nullptr);
    virtual ~CTask();
    CTask(const CTask&) = delete;
    CTask& operator=(const CTask&) = delete;

    int GetId() const { return m_id; }
    // Also names the section, marks the task modified and keeps the counter above the id.
    void SetId(int id);
    const QString& GetSection() const { return m_section; }
    // The Tasks.ini the node was last read from or written to.
    const QString& GetFile() const { return m_file; }

    const QString& GetName() const { return m_name; }
    bool SetName(const QString& name);
    const QString& GetInfo() const { return m_info; }
    bool SetInfo(const QString& info);
    bool IsChecked() const { return m_checked; }
    bool SetChecked(bool checked);

    CTask* GetParent() const { return m_parent; }
    int GetChildCount() const { return int(m_children.size()); }
    // Null for an index outside the list.
    CTask* GetChild(int index) const;
    // Appends a child and gives it back; a child without a name, or with the id of a child already
    // present, is refused (null) and dropped.
    CTask* AddChild(std::unique_ptr<CTask> child);
    // As AddChild, at a position of the child list (clamped to it).
    CTask* InsertChild(std::unique_ptr<CTask> child, int position);
    // The position of a child in the list, or -1.
    int IndexOfChild(const CTask* child) const;
    // Takes a child out of the list and hands it over; null when it is not a child of this task.
    std::unique_ptr<CTask> RemoveChild(CTask* child);
    // True when this task or any task below it is modified.
    bool IsModified() const;
    // Deletes every task below this one, children before their parent; removed (when given) sees
    // each task just before it goes.
    void Clear(const std::function<void(CTask&)>& removed = {});

    // Replaces the tasks below this one with the tree of the file, read from this task's section.
    // False when the file could not be read (the task then has its defaults and no children).
    bool Load(const QString& path);
    // Writes this task and all below it as the whole file, in one atomic write.
    bool Save(const QString& path);
    // One table row a task, this one first, then its children depth first.
    void WriteHtml(QString& html) const;

private:
    template <typename T>
    bool SetField(T& field, const T& value);
    template <typename Node, typename Visit>
    static void Walk(Node& root, Visit visit);
    void ReadKeys(const CIniFile& file);
    void WriteKeys(CIniFile& file) const;
    // The id named by child key n, or -1 when the list ends there.
    int ChildId(const CIniFile& file, int n) const;

    QString m_name;
    QString m_file;
    QString m_section;
    QString m_info;
    bool m_checked = false;
    bool m_modified = false;
    CRecordCounters* m_counters;
    int m_id = 0;
    CTask* m_parent = nullptr;
    std::vector<std::unique_ptr<CTask>> m_children;
};
