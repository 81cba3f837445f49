#include "finance/ui/ExpenseListModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Expence.h"

#include <QBrush>
#include <QColor>

CExpenseListModel::CExpenseListModel(CNewZelDoc& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void CExpenseListModel::Refill()
{
    beginResetModel();
    m_rows = int(m_document.Expenses().size());
    endResetModel();
}

void CExpenseListModel::RefreshExpense(const CExpence* expense)
{
    const int row = RowOf(expense);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CExpenseListModel::Clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

CExpence* CExpenseListModel::ExpenseAt(int row) const
{
    const QList<CExpence*>& expenses = m_document.Expenses();
    return row >= 0 && row < m_rows && row < expenses.size() ? expenses[row] : nullptr;
}

int CExpenseListModel::RowOf(const CExpence* expense) const
{
    const int row = expense ? int(m_document.Expenses().indexOf(const_cast<CExpence*>(expense))) : -1;
    return row < m_rows ? row : -1;
}

int CExpenseListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CExpenseListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CExpenseListModel::data(const QModelIndex& index, int role) const
{
    const CExpence* expense = ExpenseAt(index.row());
    if (!expense)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber:
            return QString::number(index.row() + 1);
        case ColName:
            return expense->GetName();
        case ColPaid:
            return expense->GetPaidText();
        case ColShekels:
            return QString::number(expense->GetShekels());
        case ColDollars:
            return QString::number(expense->GetDollars());
        case ColDate:
            return expense->GetDate().ToText();
        case ColPayments:
            return QString::number(expense->GetPaymentCount());
        case ColComments:
            // Only the first line fits a row; the rest shows in the tip and the dialog.
            return expense->GetInfo().section(QStringLiteral("\r\n"), 0, 0).section(u'\n', 0, 0);
        default:
            return QString();
        }
    case Qt::ForegroundRole:
        if (index.column() == ColPaid && expense->IsPaid())
            return QBrush(QColor(0, 128, 0));
        if (index.column() == ColPaid && expense->IsPartlyPaid())
            return QBrush(QColor(0, 0, 192));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == ColNumber)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool CExpenseListModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    // The view wrote the value into the expense already: the row is read again.
    if (role != Qt::EditRole || !ExpenseAt(index.row()))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

QVariant CExpenseListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColNumber:
        return QStringLiteral("מס");
    case ColName:
        return QStringLiteral("ההוצאה");
    case ColPaid:
        return QStringLiteral("שולם");
    case ColShekels:
        return QStringLiteral("שקלים");
    case ColDollars:
        return QStringLiteral("דולרים");
    case ColDate:
        return QStringLiteral("תאריך");
    case ColPayments:
        return QStringLiteral("'תש");
    case ColComments:
        return QStringLiteral("הערות");
    default:
        return QString();
    }
}
