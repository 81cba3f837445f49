#include "reports/ui/ReportColumnsDlg.h"

#include "reports/core/ReportColumns.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CReportColumnsDlg::CReportColumnsDlg(const QList<int>& columns, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("בחר עמודות"));
    m_list = new QListWidget(this);
    for (int column = 0; column < ReportColumns::Count; ++column) {
        auto* item = new QListWidgetItem(ReportColumns::Caption(column), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(columns.contains(column) ? Qt::Checked : Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(260, 480);
}

QList<int> CReportColumnsDlg::Columns() const
{
    QList<int> columns;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->checkState() == Qt::Checked)
            columns.append(row);
    return columns.isEmpty() ? ReportColumns::Defaults() : columns;
}
