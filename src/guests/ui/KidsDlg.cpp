#include "guests/ui/KidsDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/UserQuestion.h"
#include "data/records/Guest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CKidsDlg::CKidsDlg(CGuest& guest, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_guest(guest)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("ילדים"));
    m_kids = new QSpinBox(this);
    m_kids->setRange(0, 10);
    m_kids->setValue(guest.GetKids());
    m_chair = new QCheckBox(QStringLiteral("משפחה זו צריכה כסא תינוק."), this);
    m_chair->setChecked(guest.GetNeedKidsChair());

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("מספר הילדים במשפחה הזו:"), this));
    row->addWidget(m_kids);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_chair);
    layout->addWidget(DialogHelpers::OkCancel(this));
}

void CKidsDlg::accept()
{
    if (m_kids->value() > m_guest.GetInvited()) {
        UserQuestion::Ask(m_messages,
                          QStringLiteral("מספר הילדים שהוקלד גדול ממספר המוזמנים במשפחה זו.\r\nמצב זה בילתי אפשרי, מספר הילדים חייב "
                                         "להיות קטן ממספר\r\nהמוזמנים במשפחה."),
                          QStringLiteral("מספר ילדים שגוי"), MSG_OK);
        return;
    }
    QDialog::accept();
}

bool CKidsDlg::WriteTo(CGuest& guest) const
{
    const bool kids = guest.SetKids(m_kids->value());
    const bool chair = guest.SetNeedKidsChair(m_chair->isChecked());
    return kids || chair;
}
