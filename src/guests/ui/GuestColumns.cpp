#include "guests/ui/GuestColumns.h"

#include "guests/ui/GuestListModel.h"

#include "controls/ListCtrlEx.h"
#include "data/settings/Settings.h"

#include <QHeaderView>
#include <QMenu>
#include <QStyle>

namespace {

const char* const kKeys[CGuestListModel::ColumnCount] = {
    "GV_GUEST_NUM", "GV_NAMES",   "GV_FAMILY_NAME", "GV_RELATION", "GV_GROUP",
    "GV_INVITATION_SENT", "GV_INVITED", "GV_ACTUAL", "GV_APROVED"};

int MinimumWidth(int column)
{
    return column == CGuestListModel::ColNames ? 20 : column == CGuestListModel::ColSerial ? 10 : 0;
}

// The status column holds a check box and a picture before its word; narrower, the word is cut.
int StatusWidth(const CListCtrlEx& list)
{
    const QFontMetrics metrics(list.font());
    int word = 0;
    for (const QString& text : CGuestListModel::StatusWords())
        word = qMax(word, metrics.horizontalAdvance(text));
    const int icon = list.iconSize().isValid() ? list.iconSize().width() : list.style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int mark = list.style()->pixelMetric(QStyle::PM_IndicatorWidth) + icon;
    return mark + 30 + word;
}

}

CGuestColumns::CGuestColumns(CListCtrlEx& list, CSettings& settings, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_settings(settings)
{
    // The stored widths are honoured down to the smallest the rules allow.
    m_list.horizontalHeader()->setMinimumSectionSize(10);
    connect(m_list.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { StoreWidth(column, width); });
}

QString CGuestColumns::Key(int column)
{
    return column >= 0 && column < CGuestListModel::ColumnCount ? QString::fromLatin1(kKeys[column]) : QString();
}

QString CGuestColumns::MenuText(int column)
{
    static const QString texts[CGuestListModel::ColumnCount] = {
        QStringLiteral("מספר סידורי"), QStringLiteral("שמות פרטיים"), QStringLiteral("שם משפחה"),
        QStringLiteral("שיכות"),       QStringLiteral("קבוצה"),       QStringLiteral("נשלחה הזמנה"),
        QStringLiteral("הוזמנו"),      QStringLiteral("יבואו"),       QStringLiteral("אושר")};
    return column >= 0 && column < CGuestListModel::ColumnCount ? texts[column] : QString();
}

void CGuestColumns::Load()
{
    m_loading = true;
    for (int column = 0; column < CGuestListModel::ColumnCount; ++column) {
        // A stored width is the user's own, even where it cuts the column's texts.
        const int width = qMax(MinimumWidth(column), m_settings.Key(Key(column)).toInt());
        m_list.setColumnHidden(column, width == 0);
        if (width > 0)
            m_list.setColumnWidth(column, width);
    }
    m_loading = false;
}

void CGuestColumns::Save()
{
    for (int column = 0; column < CGuestListModel::ColumnCount; ++column)
        m_settings.SetKey(Key(column), QString::number(IsVisible(column) ? m_list.columnWidth(column) : 0));
}

void CGuestColumns::StoreWidth(int column, int width)
{
    if (!m_loading)
        m_settings.SetKey(Key(column), QString::number(m_list.isColumnHidden(column) ? 0 : width));
}

bool CGuestColumns::IsVisible(int column) const
{
    return !m_list.isColumnHidden(column) && m_list.columnWidth(column) > 0;
}

void CGuestColumns::Toggle(int column)
{
    if (column < 0 || column >= CGuestListModel::ColumnCount || MinimumWidth(column) > 0)
        return;
    if (IsVisible(column)) {
        m_list.setColumnHidden(column, true);
        StoreWidth(column, 0);
        return;
    }
    const QFontMetrics metrics(m_list.horizontalHeader()->font());
    m_list.setColumnHidden(column, false);
    const int width = 2 * metrics.horizontalAdvance(CGuestListModel::Caption(column));
    m_list.setColumnWidth(column, column == CGuestListModel::ColStatus ? qMax(width, StatusWidth(m_list)) : width);
}

QMenu* CGuestColumns::BuildMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (int column = 0; column < CGuestListModel::ColumnCount; ++column) {
        QAction* action = menu->addAction(MenuText(column), this, [this, column] { Toggle(column); });
        action->setCheckable(true);
        action->setChecked(IsVisible(column));
        action->setEnabled(MinimumWidth(column) == 0);
    }
    return menu;
}
