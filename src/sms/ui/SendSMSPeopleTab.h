#pragma once

#include "sms/core/SmsFilter.h"

#include <QList>
#include <QWidget>

class CGuest;
class CNewZelDoc;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// "שלב ראשון : בחירת המוזמנים": the guests to send to, with the filters, the search by phone and
// the moving of mobile numbers out of the phone column.
class CSendSMSPeopleTab : public QWidget
{
    Q_OBJECT

public:
    enum Column { RowNumber, Names, Mobile, Phone, SentCount, Status, ColumnCount };

    CSendSMSPeopleTab(CNewZelDoc& document, CGuest* selected, QWidget* parent = nullptr);

    static QString Title();
    // Rebuilds the list from the guests, keeping the selection.
    void Refill();
    // The selected guests from the top of the list down.
    QList<CGuest*> SelectedGuests() const;
    // Selects the first row whose phone or mobile is prefix + number or prefix-number.
    bool FindPhone(const QString& prefix, const QString& number);

    QTreeWidget* List() const { return m_list; }
    QComboBox* StateFilter() const { return m_state; }
    QComboBox* CarrierFilter() const { return m_carrier; }
    QPushButton* FixButton() const { return m_fix; }
    QPushButton* SearchButton() const { return m_search; }
    QLabel* Total() const { return m_total; }

private:
    void Search();
    void FixNumbers();

    CNewZelDoc& m_document;
    CSmsFilter m_filter;
    QTreeWidget* m_list;
    QComboBox* m_state;
    QComboBox* m_carrier;
    QPushButton* m_fix;
    QPushButton* m_search;
    QLabel* m_total;
};
