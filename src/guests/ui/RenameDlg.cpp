#include "guests/ui/RenameDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/UserQuestion.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CRenameDlg::CRenameDlg(const QString& caption, const QString& name, bool offerTable, IUserMessages* messages,
                       QWidget* parent)
    : QDialog(parent)
    , m_caption(caption)
    , m_messages(messages)
{
    setWindowTitle(caption);
    m_name = new QLineEdit(name, this);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    m_name->selectAll();
    m_table = new QCheckBox(QStringLiteral(" צור שולחן לקבוצה זו"), this);
    m_table->setEnabled(offerTable);
    m_table->setChecked(offerTable);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("שם הקבוצה:"), this));
    layout->addWidget(m_name);
    layout->addWidget(m_table);
    layout->addWidget(DialogHelpers::OkCancel(this));
    DialogHelpers::FitTitle(this);
}

QString CRenameDlg::Name() const
{
    return m_name->text().trimmed();
}

bool CRenameDlg::WithTable() const
{
    return m_table->isEnabled() && m_table->isChecked();
}

void CRenameDlg::accept()
{
    if (Name().isEmpty()) {
        UserQuestion::Ask(m_messages, QStringLiteral("שם קבוצה הינו שדה חובה"), m_caption, MSG_OK);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}
