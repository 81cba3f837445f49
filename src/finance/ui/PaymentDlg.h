#pragma once

#include "finance/core/PaymentPlan.h"
#include "finance/ui/PaymentRowsModel.h"

#include "controls/ListCtrlCallBack.h"

#include <QDialog>

class CExpence;
class CListCtrlEx;
class IUserMessages;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "הוספת/עריכת הוצאה": an expense's description, comments, who pays and its payments. The dialog
// changes nothing itself: the caller writes its values through the expense operations.
class CPaymentDlg : public QDialog, public IListCtrlCallBack
{
    Q_OBJECT

public:
    // Null for a new expense.
    CPaymentDlg(const CExpence* expense, IUserMessages* messages, QWidget* parent = nullptr);

    static const QStringList& PayerChoices();

    const CPaymentPlan& Plan() const { return m_plan; }
    QString GetName() const;
    QString GetComments() const;
    QString GetPayer() const;

    void AddPayment();
    void EditPayment();
    void DeletePayment();

    int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) override;
    bool MayEditCell(int column, int row, QString& message) override;
    void GetCellChoices(int column, int row, QStringList& choices, int& current) override;
    bool EditCustomCell(int column, int row, QString& text) override;

    CListCtrlEx* PaymentsList() const { return m_list; }
    const CPaymentRowsModel& RowsModel() const { return m_model; }
    QLineEdit* NameField() const { return m_name; }
    QPlainTextEdit* CommentsField() const { return m_comments; }
    QComboBox* PayerField() const { return m_payer; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }

private:
    void Changed(int selectRow);

    IUserMessages* m_messages;
    CPaymentPlan m_plan;
    CPaymentRowsModel m_model;
    QLineEdit* m_name;
    QPlainTextEdit* m_comments;
    QComboBox* m_payer;
    CListCtrlEx* m_list;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
};
