#pragma once

#include "controls/ListCtrlCallBack.h"

#include <QDialog>
#include <QStandardItemModel>

class CGuestFilter;
class CListCtrlEx;
class CNewZelDoc;

// "סינון מוזמנים": edits a guest filter of the reports as a two-column list of criteria, each
// value chosen in place from a drop-down list that starts with "*" (criterion off).
class CGuestFilterDialog : public QDialog, public IListCtrlCallBack
{
    Q_OBJECT

public:
    enum Row { RowRelation, RowGroup, RowStatus, RowInvitationSent, RowMobilePhone, RowEmail, RowCount };
    enum Column { ColField, ColValue };

    CGuestFilterDialog(CNewZelDoc& document, CGuestFilter& filter, QWidget* parent = nullptr);

    QString Value(int row) const;
    // Every row back to "*".
    void ClearFilter();
    CListCtrlEx* List() const { return m_list; }

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override;
    bool MayEditCell(int column, int row, QString& message) override;
    void GetCellChoices(int column, int row, QStringList& choices, int& current) override;

public slots:
    // Writes the rows back: "*" turns a criterion off, any other value on.
    void accept() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList Choices(int row) const;
    void SetValue(int row, const QString& value);

    CNewZelDoc& m_document;
    CGuestFilter& m_filter;
    QStandardItemModel m_model;
    CListCtrlEx* m_list;
};
