#include "controls/GenericView.h"

#include "data/records/HintObject.h"
#include "data/document/NewZelDoc.h"

CGenericView::CGenericView(CNewZelDoc& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    connect(&document, &CNewZelDoc::Hint, this, &CGenericView::OnUpdate);
    connect(&document, &CNewZelDoc::AboutToSave, this, &CGenericView::BeforeSave);
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
