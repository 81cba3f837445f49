#include "guests/ui/GuestInfoTabBase.h"

#include "controls/MarkupTooltip.h"
#include "data/document/NewZelDoc.h"

CGuestInfoTabBase::CGuestInfoTabBase(CNewZelDoc& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
}

void CGuestInfoTabBase::Changed(bool listed)
{
    m_document.SetModified();
    if (listed && m_guest)
        emit GuestEdited(m_guest);
}

void CGuestInfoTabBase::SetTip(QWidget* widget, const QString& markup)
{
    widget->setToolTip(CMarkupTooltip::ToHtml(markup));
}
