#include "data/records/Task.h"

#include "data/records/RecordCounters.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"

#include <QSet>

#include <algorithm>

namespace {

const QString kSectionPrefix = QStringLiteral("Task");
const QString kChildKey = QStringLiteral("child");
const QString kEndOfChildren = QStringLiteral("xxx");
// How Tasks.ini keeps a line break inside the info.
const QString kLineBreak = QStringLiteral("<..>");

// A null text would delete the key; every node writes all its keys.
QString Stored(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString EncodeLineBreaks(QString text)
{
    // A bare CR or LF in a value would split the INI line, so every break is kept the same way.
    return text.replace(QStringLiteral("\r\n"), kLineBreak).replace(u'\n', kLineBreak).replace(u'\r', kLineBreak);
}

}

CTask::CTask(CRecordCounters* counters)
    : m_counters(counters)
    , m_id(counters ? counters->NextTaskId() : 0)
{
    m_section = kSectionPrefix + QString::number(m_id);
}

CTask::~CTask()
{
    Clear();
}

void CTask::SetId(int id)
{
    m_id = id;
    m_section = kSectionPrefix + QString::number(id);
    m_modified = true;
    if (m_counters)
        m_counters->RaiseTaskId(id);
}

template <typename T>
bool CTask::SetField(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    m_modified = true;
    return true;
}

bool CTask::SetName(const QString& name)
{
    return SetField(m_name, name);
}

bool CTask::SetInfo(const QString& info)
{
    return SetField(m_info, info);
}

bool CTask::SetChecked(bool checked)
{
    return SetField(m_checked, checked);
}

CTask* CTask::GetChild(int index) const
{
    if (index < 0 || index >= int(m_children.size()))
        return nullptr;
    return m_children[index].get();
}

CTask* CTask::AddChild(std::unique_ptr<CTask> child)
{
    return InsertChild(std::move(child), int(m_children.size()));
}

CTask* CTask::InsertChild(std::unique_ptr<CTask> child, int position)
{
    if (!child || child->m_name.isEmpty())
        return nullptr;
    for (const auto& present : m_children)
        if (present->m_id == child->m_id)
            return nullptr;
    child->m_parent = this;
    m_modified = true;
    const auto at = m_children.begin() + std::clamp(position, 0, int(m_children.size()));
    return m_children.insert(at, std::move(child))->get();
}

int CTask::IndexOfChild(const CTask* child) const
{
    for (int n = 0; n < int(m_children.size()); ++n)
        if (m_children[n].get() == child)
            return n;
    return -1;
}

std::unique_ptr<CTask> CTask::RemoveChild(CTask* child)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == child) {
            std::unique_ptr<CTask> removed = std::move(*it);
            m_children.erase(it);
            removed->m_parent = nullptr;
            m_modified = true;
            return removed;
        }
    }
    return nullptr;
}

template <typename Node, typename Visit>
void CTask::Walk(Node& root, Visit visit)
{
    std::vector<Node*> stack{&root};
    while (!stack.empty()) {
        Node* node = stack.back();
        stack.pop_back();
        visit(*node);
        for (auto it = node->m_children.rbegin(); it != node->m_children.rend(); ++it)
            stack.push_back(it->get());
    }
}

bool CTask::IsModified() const
{
    bool modified = false;
    Walk(*this, [&modified](const CTask& task) { modified = modified || task.m_modified; });
    return modified;
}

void CTask::Clear(const std::function<void(CTask&)>& removed)
{
    if (m_children.empty())
        return;
    std::vector<CTask*> below;
    for (const auto& child : m_children)
        Walk(*child, [&below](CTask& task) { below.push_back(&task); });
    // Backwards through the depth-first order every task comes after all tasks below it, and
    // emptying the child lists from there on leaves no destructor with children to delete.
    for (auto it = below.rbegin(); it != below.rend(); ++it) {
        if (removed)
            removed(**it);
        (*it)->m_children.clear();
    }
    m_children.clear();
    m_modified = true;
}

void CTask::ReadKeys(const CIniFile& file)
{
    m_name = file.GetString(m_section, QStringLiteral("name"));
    m_info = file.GetString(m_section, QStringLiteral("info")).replace(kLineBreak, QStringLiteral("\r\n"));
    m_checked = file.GetInt(m_section, QStringLiteral("checked"), 0) == 1;
    m_file = file.Path();
}

int CTask::ChildId(const CIniFile& file, int n) const
{
    const QString key = kChildKey + QString::number(n);
    if (file.GetString(m_section, key, kEndOfChildren) == kEndOfChildren)
        return -1;
    const int id = file.GetInt(m_section, key, 0);
    return id > 0 && id < CRecordCounters::kMostTaskId ? id : -1;
}

bool CTask::Load(const QString& path)
{
    Clear();
    CIniFile file;
    const bool read = file.Load(path);
    ReadKeys(file);

    // A child naming a task already read (itself, an ancestor, a task elsewhere in the tree) ends
    // its parent's list like the end key does, so a file cannot make the tree loop.
    QSet<int> seen{m_id};
    struct Frame
    {
        CTask* task;
        int next;
    };
    std::vector<Frame> stack{{this, 0}};
    while (!stack.empty()) {
        CTask* parent = stack.back().task;
        const int id = parent->ChildId(file, stack.back().next);
        if (id < 0 || seen.contains(id)) {
            parent->m_modified = false;
            stack.pop_back();
            continue;
        }
        ++stack.back().next;
        seen.insert(id);
        auto child = std::make_unique<CTask>(m_counters);
        child->SetId(id);
        child->m_parent = parent;
        child->ReadKeys(file);
        stack.push_back({child.get(), 0});
        parent->m_children.push_back(std::move(child));
    }
    return read;
}

void CTask::WriteKeys(CIniFile& file) const
{
    file.SetString(m_section, QStringLiteral("name"), Stored(m_name));
    file.SetString(m_section, QStringLiteral("info"), Stored(EncodeLineBreaks(m_info)));
    file.SetString(m_section, QStringLiteral("checked"), m_checked ? QStringLiteral("1") : QStringLiteral("0"));
    for (int n = 0; n < int(m_children.size()); ++n)
        file.SetInt(m_section, kChildKey + QString::number(n), m_children[n]->m_id);
}

bool CTask::Save(const QString& path)
{
    CIniFile file;
    Walk(*this, [&file](const CTask& task) { task.WriteKeys(file); });
    if (!file.SaveAs(path))
        return false;
    Walk(*this, [&path](CTask& task) {
        task.m_file = path;
        task.m_modified = false;
    });
    return true;
}

void CTask::WriteHtml(QString& html) const
{
    const bool english = Language::IsEnglish();
    Walk(*this, [&html, english](const CTask& task) {
        const QString escaped = task.m_name.toHtmlEscaped();
        const QString name = task.m_children.empty() ? escaped : QStringLiteral("<b>") + escaped + QStringLiteral("</b>");
        if (english) {
            html += QStringLiteral("<tr><td>") + name;
            html += task.m_checked ? QStringLiteral("</td><td align=center><font color=blue>DONE</font></td></tr>\r\n")
                                   : QStringLiteral("</td><td>&nbsp;</td></tr>\r\n");
        } else {
            html += task.m_checked ? QStringLiteral("<tr><td align=center><font color=blue>בוצע</font></td>\r\n")
                                   : QStringLiteral("<tr><td>&nbsp;</td>\r\n");
            html += QStringLiteral("<td align=right>") + name + QStringLiteral("</td></tr>");
        }
    });
}
