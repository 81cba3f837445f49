#include "app/ui/AppDefinesDlg.h"

#include "data/document/NewZelDoc.h"
#include "data/records/StringHint.h"
#include "data/document/UserMessages.h"
#include "data/document/ViewHint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kKidsMin = 1;
constexpr int kKidsMax = 99;
}

CAppDefinesDlg::CAppDefinesDlg(CNewZelDoc& document, IUserMessages* messages, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("הגדרות"));
    const CAppSettings& app = document.AppSettings();

    m_autoSave = new QCheckBox(QStringLiteral("שמור אוטומטית ביציאה"), this);
    m_autoSave->setChecked(app.GetAutoSaveOnExit());
    m_checkUpdates = new QCheckBox(QStringLiteral("חפש עידכוני תוכנה באופן אוטומטי"), this);
    m_checkUpdates->setChecked(app.GetCheckForUpdates());

    m_kids = new QLineEdit(QString::number(document.Settings().GetKidsPresent()), this);
    m_kids->setValidator(new QIntValidator(0, 999, m_kids));
    m_kids->setMaxLength(3);
    // Three digits with room for the frame.
    m_kids->setFixedWidth(m_kids->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    m_kids->setAlignment(Qt::AlignCenter);
    auto* kidsRow = new QHBoxLayout;
    kidsRow->addWidget(new QLabel(QStringLiteral("מנת ילדים עולה  %"), this));
    kidsRow->addWidget(m_kids);
    kidsRow->addWidget(new QLabel(QStringLiteral("ממנה רגילה"), this));
    kidsRow->addStretch();

    m_showTips = new QCheckBox(QStringLiteral("הצג טיפים (ToolTips)"), this);
    m_showTips->setChecked(app.GetShowTips());

    auto* reports = new QGroupBox(QStringLiteral("הדפסות ודו\"חות"), this);
    m_hideInTables = new QCheckBox(QStringLiteral("אל תציג מוזמנים שאינם באים בהדפסת דו\"ח שולחנות"), reports);
    m_hideInTables->setChecked(app.GetDontShowNonCommingInTableReport());
    m_hideInGuests = new QCheckBox(QStringLiteral("אל תציג מוזמנים שאינם באים בהדפסת דו\"ח מוזמנים"), reports);
    m_hideInGuests->setChecked(app.GetDontShowNonCommingInGuestsReport());
    auto* reportsLayout = new QVBoxLayout(reports);
    reportsLayout->addWidget(m_hideInTables);
    reportsLayout->addWidget(m_hideInGuests);

    m_backup = new QCheckBox(QStringLiteral("גיבוי נתונים בכל:"), this);
    m_backup->setChecked(app.GetBackUpEvery() > 0);
    m_interval = new QComboBox(this);
    m_interval->addItems({QStringLiteral("5 דקות"), QStringLiteral("10 דקות")});
    // Any interval but 5 minutes opens as 10.
    m_interval->setCurrentIndex(app.GetBackUpEvery() == 5 ? 0 : 1);
    m_interval->setEnabled(m_backup->isChecked());
    connect(m_backup, &QCheckBox::toggled, m_interval, &QComboBox::setEnabled);
    auto* backupRow = new QHBoxLayout;
    backupRow->addWidget(m_backup);
    backupRow->addWidget(m_interval);
    backupRow->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("אישור"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("ביטול"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAppDefinesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAppDefinesDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_autoSave);
    layout->addWidget(m_checkUpdates);
    layout->addLayout(kidsRow);
    layout->addWidget(m_showTips);
    layout->addWidget(reports);
    layout->addLayout(backupRow);
    layout->addStretch();
    layout->addWidget(buttons);
}

void CAppDefinesDlg::accept()
{
    bool number = false;
    const int kids = m_kids->text().trimmed().toInt(&number);
    if (!number || kids < kKidsMin || kids > kKidsMax) {
        if (m_messages)
            m_messages->MessageByText(QStringLiteral("נא להקליד מספר שלם בין %1 ל-%2.").arg(kKidsMin).arg(kKidsMax),
                                      windowTitle(), MSG_OK);
        m_kids->setFocus();
        m_kids->selectAll();
        return;
    }

    CAppSettings& app = m_document.AppSettings();
    app.SetBackUpEvery(m_backup->isChecked() ? (m_interval->currentIndex() + 1) * 5 : 0);
    app.SetAutoSaveOnExit(m_autoSave->isChecked());
    app.SetCheckForUpdates(m_checkUpdates->isChecked());
    const bool tipsChanged = app.SetShowTips(m_showTips->isChecked());
    app.SetDontShowNonCommingInTableReport(m_hideInTables->isChecked());
    app.SetDontShowNonCommingInGuestsReport(m_hideInGuests->isChecked());
    m_document.Settings().SetKidsPresent(kids);
    emit ReArmBackupTimer();
    if (tipsChanged) {
        CStringHint hint(QStringLiteral("ShowTips"));
        m_document.UpdateAllViews(nullptr, HINT_SETTING_CHANGED, &hint);
    }
    QDialog::accept();
}
