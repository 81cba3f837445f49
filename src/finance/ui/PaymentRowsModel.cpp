#include "finance/ui/PaymentRowsModel.h"

#include "finance/core/PaymentPlan.h"

#include "data/records/Payment.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QFont>

namespace {

QString PaidWord(int state)
{
    CPayment payment;
    payment.SetPaid(state);
    return payment.GetPaidText();
}

}

CPaymentRowsModel::CPaymentRowsModel(const CPaymentPlan& plan, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plan(plan)
    , m_rows(plan.RowCount() + 2)
{
}

void CPaymentRowsModel::Refresh()
{
    const int rows = m_plan.RowCount() + 2;
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
}

int CPaymentRowsModel::SumRow() const
{
    return m_rows - 1;
}

int CPaymentRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CPaymentRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPaymentRowsModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const bool sum = row == SumRow();
    if (role == Qt::FontRole && sum) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (sum) {
        switch (index.column()) {
        case ColNumber:
            return QStringLiteral("סה\"כ");
        case ColShekels:
            return QString::number(m_plan.SumShekels());
        case ColDollars:
            return QString::number(m_plan.SumDollars());
        case ColPaid:
            return m_plan.UsedCount() > 0 ? PaidWord(m_plan.PaidState()) : QString();
        default:
            return QString();
        }
    }
    if (row >= m_plan.RowCount())
        return QString();
    if (index.column() == ColNumber)
        return QString::number(row + 1);
    const CPaymentPlan::Row* payment = m_plan.At(row);
    if (!payment)
        return QString();
    switch (index.column()) {
    case ColDate:
        return payment->date.ToText();
    case ColShekels:
        return QString::number(payment->shekels);
    case ColDollars:
        return QString::number(payment->dollars);
    case ColPaid:
        return StringTable::Get(payment->paid ? 59444 : 59445);
    case ColInfo:
        return payment->info;
    default:
        return QString();
    }
}

bool CPaymentRowsModel::setData(const QModelIndex& index, const QVariant&, int role)
{
    // The dialog wrote the value into the plan already; the row and the sums are shown again.
    if (role != Qt::EditRole || !index.isValid())
        return false;
    Refresh();
    return true;
}

QVariant CPaymentRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColDate:
        return QStringLiteral("תאריך");
    case ColShekels:
        return QStringLiteral("שקלים");
    case ColDollars:
        return Language::IsHebrew() ? QStringLiteral("דולרים") : QStringLiteral("Sum");
    case ColPaid:
        return QStringLiteral("שולם");
    case ColInfo:
        return QStringLiteral("הערות");
    default:
        return QString();
    }
}
