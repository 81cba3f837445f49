#include "guests/ui/GuestInfoTabBase.h"

#include "controls/MarkupTooltip.h"
#include "data/document/NewZelDoc.h"

CGuestInfoTabBase::CGuestInfoTabBase(CNewZelDoc& document, QWidget* view)
    : QWidget(view)
    , m_document(document)
    , m_view(view)
{
}

void CGuestInfoTabBase::Changed(bool listed)
{
    if (listed && m_guest)
        emit GuestEdited(m_guest);
}

void CGuestInfoTabBase::SetTip(QWidget* widget, const QString& markup)
{
    widget->setToolTip(CMarkupTooltip::ToHtml(markup));
}
