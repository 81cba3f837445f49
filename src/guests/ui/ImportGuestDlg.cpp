#include "guests/ui/ImportGuestDlg.h"

#include "guests/core/GuestImport.h"
#include "guests/ui/ImportGuestsOptionsDlg.h"

#include "controls/DialogHelpers.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/records/Guest.h"
#include "data/settings/GeneralIni.h"
#include "data/settings/Language.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral(
    "בחר מוזמנים שברצונך להוסיף אל הרשימה הקימת. מוזמנים אילו יוכנסו לקבוצה שתקרא \"מוזמנים מיובאים\". ניתן לסמן "
    "מספר מוזמנים על ידי שימוש במקש CTRL.");
const QString kSheetFilter =
    QStringLiteral("Excel files (*.xls *.xlsx);;Comma Separated Files (*.csv);;All files (*)");

// A wait cursor while a source is read.
class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
};

}

CImportGuestDlg::CImportGuestDlg(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_platform(platform)
    , m_import(std::make_unique<CGuestImport>(document))
{
    setWindowTitle(QStringLiteral("יבוא נתונים"));

    auto* ownFormat = new QGroupBox(QStringLiteral("נתונים בפורמט של תוכנה זו"), this);
    m_folder = new QLineEdit(ownFormat);
    m_folder->setReadOnly(true);
    auto* chooseFolder = new QPushButton(QStringLiteral("בחר סיפרית נתונים"), ownFormat);
    m_replaceAll = new QRadioButton(QStringLiteral("החלף את כל הנתונים (כולל מוזמנים,שולחנות,קבוצות וכדומה)"), ownFormat);
    m_addOnly = new QRadioButton(QStringLiteral("הוסף מוזמנים בלבד."), ownFormat);
    m_addOnly->setChecked(true);
    m_replace = new QPushButton(QStringLiteral("החלף"), ownFormat);
    auto* ownLayout = new QGridLayout(ownFormat);
    ownLayout->addWidget(m_folder, 0, 0);
    ownLayout->addWidget(chooseFolder, 0, 1);
    ownLayout->addWidget(m_replaceAll, 1, 0, Qt::AlignLeft);
    ownLayout->addWidget(m_replace, 1, 1);
    ownLayout->addWidget(m_addOnly, 2, 0, Qt::AlignLeft);
    ownLayout->setColumnStretch(0, 1);

    auto* sheetBox = new QGroupBox(QStringLiteral("נתונים מקובץ EXCEL"), this);
    m_sheet = new QLineEdit(sheetBox);
    m_sheet->setReadOnly(true);
    auto* chooseSheet = new QPushButton(QStringLiteral("בחר קובץ EXCEL"), sheetBox);
    auto* sheetLayout = new QHBoxLayout(sheetBox);
    sheetLayout->addWidget(m_sheet, 1);
    sheetLayout->addWidget(chooseSheet);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({QString(), QStringLiteral("שם"), QStringLiteral("שם משפחה"), QStringLiteral("שיכות"),
                             QStringLiteral("מספר מוזמנים")});
    // The empty first column of width 0: a header keeps a shown section wider than that.
    m_list->setColumnHidden(0, true);
    for (int column = 1; column <= 3; ++column)
        m_list->setColumnWidth(column, 130);

    m_reload = new QPushButton(QStringLiteral("רענן"), this);
    m_add = new QPushButton(QStringLiteral("הוסף"), this);
    m_selectAll = new QPushButton(QStringLiteral("בחר הכל"), this);
    auto* options = new QPushButton(QStringLiteral("הגדרות"), this);
    auto* help = new QPushButton(QStringLiteral("עזרה"), this);
    auto* close = new QPushButton(QStringLiteral("סגור"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_reload, m_add, m_selectAll, options, help})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ownFormat);
    layout->addWidget(sheetBox);
    layout->addWidget(DialogHelpers::WrappedText(kHint, this));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(640, 560);

    connect(chooseFolder, &QPushButton::clicked, this, &CImportGuestDlg::ChooseFolder);
    connect(chooseSheet, &QPushButton::clicked, this, &CImportGuestDlg::ChooseSheet);
    connect(m_replace, &QPushButton::clicked, this, &CImportGuestDlg::Replace);
    connect(m_replaceAll, &QRadioButton::toggled, this, &CImportGuestDlg::UpdateButtons);
    connect(m_reload, &QPushButton::clicked, this, &CImportGuestDlg::Reload);
    connect(m_add, &QPushButton::clicked, this, &CImportGuestDlg::AddSelected);
    connect(m_selectAll, &QPushButton::clicked, m_list, &QTreeWidget::selectAll);
    connect(options, &QPushButton::clicked, this, &CImportGuestDlg::EditOptions);
    connect(help, &QPushButton::clicked, this, [this] {
        m_platform.OpenUrl(CGeneralIni::DefaultSiteUrl() +
                           (Language::IsHebrew() ? QStringLiteral("he/") : QStringLiteral("en/")) +
                           QStringLiteral("import"));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButtons();
}

CImportGuestDlg::~CImportGuestDlg() = default;

void CImportGuestDlg::ChooseFolder()
{
    const QString folder = m_platform.ChooseFolder(QStringLiteral("בחר סיפריה בה יש נתונים עבור התוכנה"), m_folder->text());
    if (!folder.isEmpty())
        ReadFolder(folder);
}

void CImportGuestDlg::ChooseSheet()
{
    const QString path = m_platform.ChooseFile(QStringLiteral("בחר קובץ EXCEL"), kSheetFilter);
    if (!path.isEmpty())
        ReadSheet(path);
}

void CImportGuestDlg::ReadFolder(const QString& folder)
{
    ReadSource(folder, true);
}

void CImportGuestDlg::ReadSheet(const QString& path)
{
    ReadSource(path, false);
}

void CImportGuestDlg::Reload()
{
    if (!m_lastSource.isEmpty())
        ReadSource(m_lastSource, m_lastWasFolder);
}

void CImportGuestDlg::ReadSource(const QString& source, bool folder)
{
    bool read = false;
    {
        CWaitCursor wait;
        read = folder ? m_import->ReadEventFolder(source) : m_import->ReadSheet(source);
    }
    if (!read)
        return;
    (folder ? m_folder : m_sheet)->setText(source);
    m_lastSource = source;
    m_lastWasFolder = folder;
    FillList();
}

void CImportGuestDlg::Replace()
{
    if (m_import->ReplaceAll(m_folder->text()))
        accept();
}

void CImportGuestDlg::AddSelected()
{
    QList<int> rows;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        if (m_list->topLevelItem(row)->isSelected())
            rows.append(row);
    if (rows.isEmpty())
        return;
    const int added = int(m_import->Add(rows).added.size());
    FillList();
    const int count = m_list->topLevelItemCount();
    if (count > 0) {
        QTreeWidgetItem* near = m_list->topLevelItem(qBound(0, rows.back() + 1 - added, count - 1));
        m_list->setCurrentItem(near);
        near->setSelected(true);
    }
}

void CImportGuestDlg::EditOptions()
{
    CImportGuestsOptionsDlg options(m_import->AutoGroups(), m_import->TargetGroup(), this);
    if (options.exec() != QDialog::Accepted)
        return;
    m_import->SetAutoGroups(options.AutoGroups());
    m_import->SetTargetGroup(options.TargetGroup());
}

void CImportGuestDlg::FillList()
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const CGuest* guest : m_import->Candidates())
        items.append(new QTreeWidgetItem({QString(), guest->GetName(), guest->GetFamilyName(), guest->GetRelation(),
                                          QString::number(guest->GetInvited())}));
    m_list->addTopLevelItems(items);
    UpdateButtons();
}

void CImportGuestDlg::UpdateButtons()
{
    const bool any = m_list->topLevelItemCount() > 0;
    m_add->setEnabled(any);
    m_selectAll->setEnabled(any);
    m_reload->setEnabled(!m_lastSource.isEmpty());
    m_replace->setEnabled(m_replaceAll->isChecked());
}
