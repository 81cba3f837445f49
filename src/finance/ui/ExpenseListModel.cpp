#include "finance/ui/ExpenseListModel.h"

#include "data/document/NewZelDoc.h"
#include "data/records/Expence.h"

#include <QBrush>
#include <QColor>

CExpenseListModel::CExpenseListModel(CNewZelDoc& document, QObject* parent)
    : CDocumentListModel(ColumnCount, parent)
    , m_document(document)
{
}

int CExpenseListModel::RecordCount() const
{
    return int(m_document.Expenses().size());
}

CExpence* CExpenseListModel::ExpenseAt(int row) const
{
    return At(m_document.Expenses(), row);
}

int CExpenseListModel::RowOf(const CExpence* expense) const
{
    return RowIn(m_document.Expenses(), expense);
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
