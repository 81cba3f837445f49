#include "seating/ui/SelectTableDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/UserQuestion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

CSelectTableDlg::CSelectTableDlg(const QList<CArrivalEdits::Choice>& choices, bool hasTable, IUserMessages* messages,
                                 QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("בחירת שולחן"));
    m_list = new QListWidget(this);
    for (const CArrivalEdits::Choice& choice : choices) {
        auto* item = new QListWidgetItem(choice.text, m_list);
        item->setData(Qt::UserRole, choice.table);
        if (choice.table < 0)
            item->setFlags(Qt::NoItemFlags);
    }
    // Wide enough for the separator row, the longest of them.
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() +
                            m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsSelectable)
            accept();
    });
    const QString help = hasTable ? QStringLiteral("בשולחן של המוזמן לא נותרו מקומות ישיבה. יש לשבץ אותו עכשיו בשולחן כלשהו.")
                                  : QStringLiteral("המוזמן אינו משובץ לשולחן. יש לשבץ אותו עכשיו בשולחן כלשהו.");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHelpers::WrappedText(help, this));
    layout->addWidget(m_list, 1);
    layout->addWidget(DialogHelpers::OkCancel(this));
    DialogHelpers::FitTitle(this);
}

int CSelectTableDlg::Table() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void CSelectTableDlg::accept()
{
    if (Table() < 0) {
        UserQuestion::Ask(m_messages, QStringLiteral("צריך לבחור שולחן כלשהוא"), windowTitle(), MSG_OK);
        return;
    }
    QDialog::accept();
}
