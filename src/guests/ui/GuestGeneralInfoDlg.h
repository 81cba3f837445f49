#pragma once

#include <QDialog>

class CGuest;
class CNewZelDoc;
class QPushButton;
class QTreeWidget;

// "הגבלות על ישיבה בשולחן": the guests this guest must not sit with. OK replaces the guest's list
// and keeps the restriction mutual.
class CGuestGeneralInfoDlg : public QDialog
{
    Q_OBJECT

public:
    CGuestGeneralInfoDlg(CNewZelDoc& document, CGuest& guest, QWidget* parent = nullptr);

    QStringList Names() const;
    // Every other guest that is not listed yet, for the picking dialog.
    QStringList Candidates() const;
    void AddNames(const QStringList& names);
    void RemoveSelected();

    QTreeWidget* List() const { return m_list; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }

public slots:
    void accept() override;

private:
    void PickGuests();

    CNewZelDoc& m_document;
    CGuest& m_guest;
    QTreeWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
};
