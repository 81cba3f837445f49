#include "seating/ui/TableDlg.h"

#include "controls/DialogHelpers.h"
#include "controls/NumberSpinEdit.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Group.h"
#include "seating/core/TableEdits.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const int kNameLength = 25;
const int kMinSeats = 1;
const int kMaxSeats = 30;
const int kSeatDigits = 2;
const int kSeatArrowMin = 3;
const int kSeatArrowMax = 99;
const int kMaxHallNumber = 999;
const int kHallDigits = 3;

}

CTableDlg::CTableDlg(const QStringList& groups, const Values& values, int tableNumber, IUserMessages* messages,
                     QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    // A table the seating enlarged past the usual limit keeps its seats when only its name changes;
    // a new table is held to the usual limit whatever seats were proposed for it.
    , m_maxSeats(tableNumber < 0 ? kMaxSeats : qMax(kMaxSeats, values.seats))
{
    setWindowTitle(tableNumber < 0 ? QStringLiteral("פרטי השולחן")
                                   : QStringLiteral("פרטי השולחן (שולחן %1)").arg(tableNumber));
    m_name = new QLineEdit(values.name.left(kNameLength), this);
    m_name->setMaxLength(kNameLength);
    m_seats = new CNumberSpinEdit(kSeatDigits, kSeatArrowMin, kSeatArrowMax, this);
    m_seats->setValue(values.seats);
    m_hall = new CNumberSpinEdit(kHallDigits, 1, kMaxHallNumber, this);
    m_hall->setValue(values.hallNumber);
    m_groups = new QListWidget(this);
    m_groups->addItems(groups);
    connect(m_groups, &QListWidget::currentTextChanged, this,
            [this](const QString& group) { m_name->setText(group.left(kNameLength)); });

    auto* help = DialogHelpers::WrappedText(
        QStringLiteral("בחר שם לשולחן זה. השם צריך לתאר את היושבים בשולחן. למשל שולחן של \"חברים מהצבא\".") + QStringLiteral(" ") +
            QStringLiteral("ניתן להעזר ברשימה הקימת של הקבוצות בכדי לתת שם שיתאר את המוזמנים בצורה הטובה ביותר"),
        this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("שם השולחן:"), m_name);
    form->addRow(QStringLiteral("מקומות:"), m_seats);
    form->addRow(QStringLiteral("מיקום באולם"), m_hall);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(help);
    layout->addWidget(new QLabel(QStringLiteral("קבוצות קיימות"), this));
    layout->addWidget(m_groups);
    layout->addWidget(DialogHelpers::OkCancel(this));
    m_name->setFocus();
    m_name->selectAll();
}

QString CTableDlg::DefaultName()
{
    return QStringLiteral("לא משויך");
}

CTableDlg::Values CTableDlg::GetValues() const
{
    const QString name = m_name->text();
    return {name.isEmpty() ? DefaultName() : name, m_seats->value(), m_hall->value()};
}

void CTableDlg::accept()
{
    if (!DialogHelpers::CheckRange(m_messages, m_seats, kMinSeats, m_maxSeats) ||
        !DialogHelpers::CheckRange(m_messages, m_hall, 1, kMaxHallNumber))
        return;
    QDialog::accept();
}

bool CTableDlg::Run(CNewZelDoc& document, Values& values, int tableNumber, QWidget* parent)
{
    QStringList groups;
    for (const CGroup* group : document.Groups())
        groups.append(group->GetName());
    const int ownHall = tableNumber >= 0 ? values.hallNumber : -1;
    for (;;) {
        CTableDlg dialog(groups, values, tableNumber, document.Messages(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        values = dialog.GetValues();
        if (CTableEdits(document, parent).CheckHallNumber(values.hallNumber, ownHall))
            return true;
    }
}
