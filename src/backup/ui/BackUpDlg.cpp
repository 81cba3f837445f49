#include "backup/ui/BackUpDlg.h"

#include "backup/core/CheckpointRestore.h"
#include "backup/core/CheckpointStore.h"
#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/storage/DataLocation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { EmptyColumn, GuestsColumn, NameColumn, EventColumn };

}

CBackUpDlg::CBackUpDlg(CNewZelDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("backUpDlg"));
    setWindowTitle(QStringLiteral("שיחזור נתונים"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_list->setObjectName(QStringLiteral("checkpoints"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({QString(), QStringLiteral("רשומות מוזמנים"), QStringLiteral("תאריכי גיבויים קיימים"),
                             QStringLiteral("שם הארוע")});
    for (const CCheckpointStore::Entry& entry : CCheckpointStore(document.Location().GetBackupFolder()).List())
        m_list->addTopLevelItem(new QTreeWidgetItem(
            m_list, {QString(), QString::number(entry.guestsCount), entry.name, entry.eventName}));
    m_list->setColumnHidden(EmptyColumn, true);
    for (int column : {GuestsColumn, NameColumn, EventColumn})
        m_list->resizeColumnToContents(column);
    m_list->header()->setStretchLastSection(true);
    QApplication::restoreOverrideCursor();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(DialogHelpers::OkCancel(this));
    resize(560, 360);
}

void CBackUpDlg::accept()
{
    const QTreeWidgetItem* row = m_list->currentItem();
    if (!row || !row->isSelected()) {
        if (IUserMessages* messages = m_document.Messages())
            messages->MessageById(59505, 59506, MSG_OK);
        return;
    }
    // No to the question keeps the dialog open for another choice.
    if (CCheckpointRestore(m_document).Restore(row->text(NameColumn)) == CCheckpointRestore::Result::Restored)
        QDialog::accept();
}
