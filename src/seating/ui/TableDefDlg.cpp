#include "seating/ui/TableDefDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kShowSerial = QStringLiteral("ShowSerial");

}

CTableDefDlg::CTableDefDlg(CNewZelDoc& document, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(QStringLiteral("הגדרות שולחן"));
    const CSettings& settings = document.Settings();
    m_seats = new QSpinBox(this);
    m_seats->setRange(1, 1000);
    m_seats->setValue(settings.GetNumberOfGuestsInTable());
    m_byHallNumber = new QCheckBox(QStringLiteral("סדר שולחנות לפי מספר באולם"), this);
    m_byHallNumber->setChecked(settings.GetArrangeTableByHallNumber());
    m_hideNotComing = new QCheckBox(QStringLiteral("אל תציג מוזמנים שאינם באים"), this);
    m_hideNotComing->setChecked(settings.GetDontShowNonComming());
    m_showSerial = new QCheckBox(QStringLiteral("הצג מספר רץ ליד כל מוזמן"), this);
    m_showSerial->setChecked(settings.Key(kShowSerial) == QLatin1String("1"));

    auto* seatsRow = new QHBoxLayout;
    seatsRow->addWidget(new QLabel(QStringLiteral("בכל שולחן חדש יהיו"), this));
    seatsRow->addWidget(m_seats);
    seatsRow->addWidget(new QLabel(QStringLiteral("מקומות"), this));
    seatsRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(seatsRow);
    layout->addWidget(m_byHallNumber);
    layout->addWidget(m_hideNotComing);
    layout->addWidget(m_showSerial);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

void CTableDefDlg::accept()
{
    if (!DialogHelpers::CheckRange(m_document.Messages(), m_seats, 1, 1000))
        return;
    CSettings& settings = m_document.Settings();
    settings.SetNumberOfGuestsInTable(m_seats->value());
    const bool byHall = settings.SetArrangeTableByHallNumber(m_byHallNumber->isChecked());
    const bool hideNotComing = settings.SetDontShowNonComming(m_hideNotComing->isChecked());
    // An event that never stored the flag reads as "0".
    const bool serial = (settings.Key(kShowSerial) == QLatin1String("1")) != m_showSerial->isChecked() &&
                        settings.SetKey(kShowSerial, m_showSerial->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (bool changed : {byHall, hideNotComing, serial})
        if (changed)
            m_document.UpdateAllViews(nullptr, HINT_TABLE_CHANGED, nullptr);
    QDialog::accept();
}
