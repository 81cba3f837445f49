#include "sms/ui/SendSMSPeopleTab.h"

#include "sms/core/SmsEdits.h"
#include "sms/ui/SmsPhoneSearchDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/UserMessages.h"
#include "data/records/Guest.h"

#include <QComboBox>
#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>

namespace {

constexpr int kGuestRole = Qt::UserRole;
const QString kNotFound = QStringLiteral("לא נמצא מוזמן עם המספר המבוקש");

QString StatusText(int status)
{
    switch (status) {
    case 1:
        return QStringLiteral("אושר");
    case 2:
        return QStringLiteral("לא באים");
    default:
        return QStringLiteral("לא ידוע");
    }
}

// Numbers sort as numbers; the status by its code, not its word.
class CGuestRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == CSendSMSPeopleTab::Names || column == CSendSMSPeopleTab::Mobile ||
            column == CSendSMSPeopleTab::Phone)
            return QTreeWidgetItem::operator<(other);
        return data(column, Qt::UserRole + 1).toInt() < other.data(column, Qt::UserRole + 1).toInt();
    }
};

}

CSendSMSPeopleTab::CSendSMSPeopleTab(CNewZelDoc& document, CGuest* selected, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({QStringLiteral("מס"), QStringLiteral("שמות המוזמנים"), QStringLiteral("טלפון נייד"),
                             QStringLiteral("טלפון"), QStringLiteral("כמות שנשלחה"), QStringLiteral("מצב")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(Names, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(RowNumber, Qt::AscendingOrder);

    m_state = new QComboBox(this);
    m_state->addItems(CSmsFilter::StateTexts());
    m_carrier = new QComboBox(this);
    m_carrier->addItems(CSmsFilter::CarrierTexts());
    connect(m_state, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_filter.state = CSmsFilter::State(index);
        Refill();
    });
    connect(m_carrier, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_filter.carrier = index - 1;
        Refill();
    });

    auto* all = new QPushButton(QStringLiteral("בחר הכל"), this);
    connect(all, &QPushButton::clicked, m_list, &QTreeWidget::selectAll);
    auto* none = new QPushButton(QStringLiteral("נקה בחירה"), this);
    connect(none, &QPushButton::clicked, m_list, &QTreeWidget::clearSelection);
    m_fix = new QPushButton(QStringLiteral("תקן מספרים"), this);
    connect(m_fix, &QPushButton::clicked, this, &CSendSMSPeopleTab::FixNumbers);
    m_search = new QPushButton(QStringLiteral("חיפוש"), this);
    connect(m_search, &QPushButton::clicked, this, &CSendSMSPeopleTab::Search);
    m_total = new QLabel(this);

    auto* filters = new QGridLayout;
    filters->addWidget(new QLabel(QStringLiteral("הצג:"), this), 0, 0);
    filters->addWidget(m_state, 0, 1);
    filters->addWidget(new QLabel(QStringLiteral("חברה סלולרית:"), this), 0, 2);
    filters->addWidget(m_carrier, 0, 3);
    filters->setColumnStretch(4, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {all, none, m_fix, m_search})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_total);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHelpers::WrappedText(
        QStringLiteral("שלב א: סמנו את המוזמנים שברצונכם לשלוח להם את הודעת ה-SMS. ניתן לסמן יותר ממוזמן אחד "
                       "בעזרת מקש ה-CTRL"),
        this));
    layout->addLayout(filters);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    Refill();
    for (int row = 0; selected && row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->data(0, kGuestRole).value<void*>() == selected) {
            item->setSelected(true);
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
        }
    }
}

QString CSendSMSPeopleTab::Title()
{
    return QStringLiteral("שלב ראשון : בחירת המוזמנים");
}

void CSendSMSPeopleTab::Refill()
{
    QSet<const void*> selected;
    for (const QTreeWidgetItem* item : m_list->selectedItems())
        selected.insert(item->data(0, kGuestRole).value<void*>());
    m_list->setSortingEnabled(false);
    m_list->clear();
    int number = 0;
    for (CGuest* guest : m_document.Guests()) {
        if (!m_filter.Accepts(*guest))
            continue;
        ++number;
        auto* item = new CGuestRow(m_list);
        item->setText(RowNumber, QString::number(number));
        item->setData(RowNumber, Qt::UserRole + 1, number);
        item->setText(Names, guest->GetFullName());
        item->setText(Mobile, guest->GetMobilePhone());
        item->setText(Phone, guest->GetPhone());
        item->setText(SentCount, QString::number(guest->GetSmsCount()));
        item->setData(SentCount, Qt::UserRole + 1, guest->GetSmsCount());
        item->setText(Status, StatusText(guest->GetStatus()));
        item->setData(Status, Qt::UserRole + 1, guest->GetStatus());
        item->setData(0, kGuestRole, QVariant::fromValue(static_cast<void*>(guest)));
        item->setSelected(selected.contains(guest));
    }
    m_list->setSortingEnabled(true);
    m_total->setText(QStringLiteral("סה\"כ כמות סמסים שנשלחה: %1").arg(m_document.SumSmsCount()));
}

QList<CGuest*> CSendSMSPeopleTab::SelectedGuests() const
{
    QList<CGuest*> guests;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->isSelected())
            guests.append(static_cast<CGuest*>(item->data(0, kGuestRole).value<void*>()));
    }
    return guests;
}

bool CSendSMSPeopleTab::FindPhone(const QString& prefix, const QString& number)
{
    const QStringList wanted = {prefix + number, prefix + QLatin1Char('-') + number};
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (wanted.contains(item->text(Phone)) || wanted.contains(item->text(Mobile))) {
            m_list->clearSelection();
            item->setSelected(true);
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
            return true;
        }
    }
    if (IUserMessages* messages = m_document.Messages())
        messages->MessageByText(kNotFound, kNotFound, MSG_OK);
    return false;
}

void CSendSMSPeopleTab::Search()
{
    CSmsPhoneSearchDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        FindPhone(dialog.Prefix(), dialog.Number());
}

void CSendSMSPeopleTab::FixNumbers()
{
    CSmsEdits(m_document, this).FixNumbers();
    Refill();
}
