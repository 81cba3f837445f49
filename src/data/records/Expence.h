#pragma once

#include "data/records/BaseElement.h"
#include "data/records/Payment.h"

#include <QList>

#include <memory>
#include <vector>

// A planned or actual cost with its payments. The payment part holds the expense's own totals,
// paid state, date and info; the payments are owned by the expense.
class CExpence : public CPayment, public CBaseElement
{
public:
    // The counter is set back before an event is loaded, so the first expense read gets 0.
    explicit CExpence(CRecordCounters* counters = nullptr);
    ~CExpence() override;

    // Every expense of an older Expences.ini; the caller owns them.
    static QList<CExpence*> LoadAllIni(const CIniFile& file, CRecordCounters* counters);

    void MakeSection() override { FormatSection(kPrefix); }
    int FileCode() const override { return FC_EXPENCES; }
    bool LoadIni(const CIniFile& file, const QString& section) override;
    bool WriteXml(QByteArray& buffer) const override;
    // Clears the modified flags of the record, its payment part and every payment; isNew stays.
    void ClearFlags() override;
    bool IsModified() const override;

    // With exactly one payment, that payment gets the same amount.
    bool SetDollars(int dollars) override;
    bool SetShekels(int shekels) override;
    // States 0 and 1 go to every payment; a partly paid state leaves them as they are.
    bool SetPaid(int paid) override;
    // The first payment gets the same date.
    bool SetDate(const ShortDate& date) override;

    bool SetPayer(const QString& payer);
    const QString& GetPayer() const { return m_payer; }
    bool SetCategory(const QString& category);
    const QString& GetCategory() const { return m_category; }

    int GetPaymentCount() const { return int(m_payments.size()); }
    // Null for an index outside the list.
    CPayment* GetPayment(int index) const;
    CPayment& AddPayment();
    bool RemovePayment(int index);
    void RemoveAllPayments();

protected:
    // For kinds built on the expense that take their id from a counter of their own.
    // An offer: the record of another kind, numbered by that kind's counter.
    CExpence(CRecordCounters* counters, CIdCounter CRecordCounters::*kind);
    // Where the Comments of an older file go: an expense keeps them in its info, which the event
    // data file carries.
    virtual void TakeIniComments(const QString& comments);

private:
    static inline const QString kPrefix = QStringLiteral("Expences");

    QString m_payer;
    QString m_category;
    std::vector<std::unique_ptr<CPayment>> m_payments;
};
