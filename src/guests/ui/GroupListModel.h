#pragma once

#include <QAbstractTableModel>

class CGroup;
class CNewZelDoc;

// The groups of the event in their stored order: serial number and name.
class CGroupListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColNumber, ColName, ColumnCount };

    explicit CGroupListModel(CNewZelDoc& document, QObject* parent = nullptr);

    // Reads the document's list again.
    void Refill();
    // Forgets every group, while the records go away with a reload.
    void Clear();
    CGroup* GroupAt(int row) const;
    int RowOf(const CGroup* group) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CNewZelDoc& m_document;
    QList<CGroup*> m_groups;
};
