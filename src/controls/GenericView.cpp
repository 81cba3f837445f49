#include "controls/GenericView.h"

#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/StringHint.h"

#include <QApplication>
#include <QEvent>

CGenericView::CGenericView(CNewZelDoc& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    connect(&document, &CNewZelDoc::Hint, this, &CGenericView::OnUpdate);
    connect(&document, &CNewZelDoc::AboutToSave, this, &CGenericView::BeforeSave);
    connect(&document, &CNewZelDoc::Hint, this, &CGenericView::FollowSetting);
    ShowToolTips(document.AppSettings().GetShowTips());
}

void CGenericView::FollowSetting(QObject*, int hint, CHintObject* object)
{
    // The object of another hint may be gone already (a table deleted by an earlier receiver).
    if (hint != HINT_SETTING_CHANGED)
        return;
    const auto* setting = dynamic_cast<const CStringHint*>(object);
    if (setting && setting->GetText() == QLatin1String("ShowTips"))
        ShowToolTips(m_document.AppSettings().GetShowTips());
}

void CGenericView::ShowToolTips(bool show)
{
    if (show == m_showTips)
        return;
    m_showTips = show;
    // A tip is asked for by the widget under the mouse, so only the application sees every request.
    if (show)
        qApp->removeEventFilter(this);
    else
        qApp->installEventFilter(this);
}

bool CGenericView::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_showTips && event->type() == QEvent::ToolTip && watched->isWidgetType() &&
        (watched == this || isAncestorOf(static_cast<QWidget*>(watched))))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CGenericView::OnUpdate(QObject*, int, CHintObject*)
{
}

void CGenericView::BeforeSave()
{
}

void CGenericView::OnActivate()
{
}

bool CGenericView::HandlesCommand(int) const
{
    return false;
}

bool CGenericView::IsCommandEnabled(int) const
{
    return true;
}

void CGenericView::OnCommand(int)
{
}
