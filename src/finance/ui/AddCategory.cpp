#include "finance/ui/AddCategory.h"

#include "controls/DialogHelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CAddCategory::CAddCategory(const QString& name, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("קטגוריה חדשה"));
    m_name = new QLineEdit(name, this);
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 30);
    m_name->selectAll();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שם הקטגוריה:"), m_name);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_name->setFocus();
}

QString CAddCategory::GetName() const
{
    return m_name->text().trimmed();
}
