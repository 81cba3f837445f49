#pragma once

#include <QDialog>

class CNewZelDoc;
class QTreeWidget;

// The restore dialog: one row per checkpoint of the backup folder, newest first, with its guest
// count, its folder name and its event's name. OK restores the chosen checkpoint into the active
// event.
class CBackUpDlg : public QDialog
{
    Q_OBJECT

public:
    CBackUpDlg(CNewZelDoc& document, QWidget* parent = nullptr);

    QTreeWidget* Checkpoints() const { return m_list; }

    void accept() override;

private:
    CNewZelDoc& m_document;
    QTreeWidget* m_list;
};
