#include "finance/ui/AddOffer.h"

#include "finance/ui/BudgetTips.h"

#include "controls/DialogHelpers.h"
#include "controls/NumberSpinEdit.h"
#include "data/document/UserMessages.h"
#include "data/records/Offer.h"
#include "data/settings/StringTable.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kMissingCaption = QStringLiteral("חסרים פרטים!");
// Seven digits hold the largest amount, five the largest number of guests of an offer's own.
const int kAmountDigits = 7;
const int kOwnGuestDigits = 5;

}

CAddOffer::CAddOffer(const COffer* offer, const QStringList& categories, const QString& category, int guestCount,
                     IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_guestCount(guestCount)
{
    setWindowTitle(offer ? QStringLiteral("שינוי פרטים של הצעת מחיר") : QStringLiteral("הוספת הצעת מחיר"));
    m_name = new QLineEdit(offer ? offer->GetName() : QString(), this);
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 36);

    auto* amountBox = new QGroupBox(QStringLiteral("סכום ההצעה"), this);
    m_fixed = new QRadioButton(QStringLiteral("קבוע"), amountBox);
    m_fixedAmount = new CNumberSpinEdit(kAmountDigits, 0, CBudgetEdits::kMaxAmount, amountBox);
    m_perGuest = new QRadioButton(QStringLiteral("לפי מוזמן"), amountBox);
    m_perGuestAmount = new CNumberSpinEdit(kAmountDigits, 0, CBudgetEdits::kMaxAmount, amountBox);
    m_currentGuests = new QRadioButton(
        StringTable::Fill(QStringLiteral("עבור %d מוזמנים (שכרגע ברשימה)"), {QString::number(guestCount)}), amountBox);
    m_ownGuests = new QRadioButton(QStringLiteral("עבור מספר מוזמנים אחר:"), amountBox);
    m_ownGuestCount = new CNumberSpinEdit(kOwnGuestDigits, 1, CBudgetEdits::kMaxOwnGuests, amountBox);
    auto* pricing = new QButtonGroup(this);
    pricing->addButton(m_fixed);
    pricing->addButton(m_perGuest);
    auto* guests = new QButtonGroup(this);
    guests->addButton(m_currentGuests);
    guests->addButton(m_ownGuests);
    auto* grid = new QGridLayout(amountBox);
    grid->addWidget(m_fixed, 0, 0, 1, 2);
    grid->addWidget(m_fixedAmount, 0, 2);
    grid->addWidget(m_perGuest, 1, 0, 1, 2);
    grid->addWidget(m_perGuestAmount, 1, 2);
    grid->addWidget(m_currentGuests, 2, 1, 1, 2);
    grid->addWidget(m_ownGuests, 3, 1);
    grid->addWidget(m_ownGuestCount, 3, 2);
    grid->setColumnMinimumWidth(0, m_fixed->fontMetrics().averageCharWidth() * 3);
    grid->setColumnStretch(2, 1);

    m_total = new QLineEdit(this);
    m_total->setReadOnly(true);
    m_category = new QComboBox(this);
    m_category->addItems(categories);
    // An offer whose category is gone keeps its name unless another is chosen.
    if (!category.isEmpty() && !categories.contains(category))
        m_category->addItem(category);
    m_category->setCurrentIndex(qMax(0, m_category->findText(category)));
    m_comments = DialogHelpers::CommentsField(offer ? offer->GetNotes() : QString(), this);

    const bool perGuest = offer && offer->IsPerGuest();
    (perGuest ? m_perGuest : m_fixed)->setChecked(true);
    (perGuest ? m_perGuestAmount : m_fixedAmount)->setValue(offer ? offer->GetShekels() : 0);
    const int own = offer ? offer->GetGuestsForOffer() : 0;
    (perGuest && own > 0 ? m_ownGuests : m_currentGuests)->setChecked(true);
    if (perGuest && own > 0)
        m_ownGuestCount->setValue(own);

    m_name->setToolTip(BudgetTips::Html(QStringLiteral("פרטי המציע"),
                                        QStringLiteral("שם הספק או פרטי ההצעה, כפי שיופיעו ברשימת ההצעות")));
    const QString fixedTip =
        BudgetTips::Html(QStringLiteral("סכום קבוע"), QStringLiteral("מחיר ההצעה כולה, בלי קשר למספר המוזמנים"));
    m_fixed->setToolTip(fixedTip);
    m_fixedAmount->setToolTip(fixedTip);
    const QString perGuestTip = BudgetTips::Html(
        QStringLiteral("מחיר לפי מוזמן"),
        QStringLiteral("המחיר לכל מוזמן יוכפל במספר המוזמנים<br>לדוגמה: 100 מוזמנים כפול 100 ש\"ח למנה<br>"
                       "הם 10000 ש\"ח"));
    m_perGuest->setToolTip(perGuestTip);
    m_perGuestAmount->setToolTip(perGuestTip);
    m_currentGuests->setToolTip(BudgetTips::Html(
        QStringLiteral("לפי הרשימה"), QStringLiteral("המחיר יוכפל במספר המוזמנים שכרגע ברשימה<br>"
                                                     "כשתוסיפו מוזמנים, גם סכום ההצעה יגדל")));
    const QString ownTip = BudgetTips::Html(
        QStringLiteral("מספר מוזמנים אחר"),
        QStringLiteral("המחיר יוכפל במספר שתקלידו כאן, למשל הערכה של 400 מוזמנים<br>"
                       "400 מוזמנים כפול 100 ש\"ח הם 40000 ש\"ח, גם כשהרשימה עוד קצרה"));
    m_ownGuests->setToolTip(ownTip);
    m_ownGuestCount->setToolTip(ownTip);
    m_total->setToolTip(BudgetTips::Html(QStringLiteral("סה\"כ"), QStringLiteral("עלות ההצעה כפי שתיכלל באפשרויות")));
    m_category->setToolTip(
        BudgetTips::Html(QStringLiteral("תחום"), QStringLiteral("הקטגוריה שתחתיה תופיע ההצעה בעץ")));
    m_comments->setToolTip(
        BudgetTips::Html(QStringLiteral("הערות"), QStringLiteral("פרטים נוספים: טלפון, איש קשר, מה כלול בהצעה")));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("פרטי המציע:"), m_name);
    form->addRow(amountBox);
    form->addRow(QStringLiteral("סה\"כ:"), m_total);
    form->addRow(QStringLiteral("תחום:"), m_category);
    form->addRow(QStringLiteral("הערות:"), m_comments);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(DialogHelpers::OkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton* button : {m_fixed, m_perGuest, m_currentGuests, m_ownGuests})
        connect(button, &QRadioButton::toggled, this, &CAddOffer::UpdateFields);
    for (CNumberSpinEdit* field : {m_fixedAmount, m_perGuestAmount, m_ownGuestCount})
        connect(field, &QSpinBox::valueChanged, this, &CAddOffer::UpdateFields);
    UpdateFields();
    m_name->setFocus();
}

CNumberSpinEdit* CAddOffer::AmountField() const
{
    return m_perGuest->isChecked() ? m_perGuestAmount : m_fixedAmount;
}

void CAddOffer::UpdateFields()
{
    const bool perGuest = m_perGuest->isChecked();
    m_fixedAmount->setEnabled(!perGuest);
    m_perGuestAmount->setEnabled(perGuest);
    m_currentGuests->setEnabled(perGuest);
    m_ownGuests->setEnabled(perGuest);
    m_ownGuestCount->setEnabled(perGuest && m_ownGuests->isChecked());
    m_total->setText(QString::number(Cost()));
}

CBudgetEdits::OfferValues CAddOffer::Values() const
{
    const bool perGuest = m_perGuest->isChecked();
    return {m_name->text().trimmed(),
            m_category->currentText(),
            DialogHelpers::CommentsText(m_comments),
            AmountField()->value(),
            perGuest,
            perGuest && m_ownGuests->isChecked() ? m_ownGuestCount->value() : 0};
}

qint64 CAddOffer::Cost() const
{
    // The record's own rule prices what the fields hold.
    const CBudgetEdits::OfferValues values = Values();
    COffer priced;
    priced.SetShekels(values.amount);
    priced.SetPerGuest(values.perGuest);
    priced.SetGuestsForOffer(values.ownGuests);
    return priced.GetPrice(m_guestCount);
}

void CAddOffer::Refuse(const QString& text, QWidget* field)
{
    if (m_messages)
        m_messages->MessageByText(text, kMissingCaption, MSG_OK);
    field->setFocus();
}

void CAddOffer::accept()
{
    if (m_name->text().trimmed().isEmpty()) {
        Refuse(QStringLiteral("אנא מלאו את כל הפרטים"), m_name);
        return;
    }
    CNumberSpinEdit* amount = AmountField();
    if (amount->value() == 0) {
        Refuse(QStringLiteral("אנא מלאו את סכום ההצעה"), amount);
        return;
    }
    if (!DialogHelpers::CheckRange(m_messages, amount, 1, CBudgetEdits::kMaxAmount))
        return;
    if (m_perGuest->isChecked() && m_ownGuests->isChecked()
        && !DialogHelpers::CheckRange(m_messages, m_ownGuestCount, 1, CBudgetEdits::kMaxOwnGuests))
        return;
    QDialog::accept();
}
