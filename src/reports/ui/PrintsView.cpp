#include "reports/ui/PrintsView.h"

#include "controls/HtmlPrintPreview.h"

#include "controls/CommandIds.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"
#include "data/document/Platform.h"
#include "data/settings/Language.h"
#include "reports/core/ReportFile.h"
#include "reports/core/SheetExport.h"
#include "reports/pdf/ReportPdf.h"
#include "reports/core/TextEngineMarkup.h"
#include "reports/ui/DesignAddressDlg.h"
#include "reports/ui/ReportBrowser.h"
#include "reports/ui/DesignTableCardsDlg.h"
#include "reports/ui/ReportColumnsDlg.h"
#include "reports/ui/ReportSaving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

using Kind = ReportCatalogue::Kind;

bool IsGuestList(Kind kind)
{
    return kind == Kind::GuestsByFirstName || kind == Kind::GuestsByFamilyName || kind == Kind::GuestsByGroup
        || kind == Kind::GuestsByGroupAlphabetical || kind == Kind::GuestsView;
}

bool IsCardSheet(Kind kind)
{
    return kind == Kind::TableCards || kind == Kind::AddressLabels;
}

QString DefaultPage()
{
    return QStringLiteral("<html><body><h3 align=center>בחרו דו\"ח מהרשימה</h3></body></html>");
}

}

CPrintsView::CPrintsView(CNewZelDoc& document, IPlatform& platform, QWidget* parent)
    : CGenericView(document, parent)
    , m_platform(platform)
{
    m_options.Load(document.Location().GetFilePath(FC_SETTINGS));

    m_categories = new QTabBar(this);
    for (const QString& category : ReportCatalogue::Categories())
        m_categories->addTab(category);
    m_categories->setToolTip(QStringLiteral("סוג הדו\"ח"));
    m_reports = new QComboBox(this);
    m_reports->setMinimumContentsLength(16);
    m_columns = new QPushButton(QStringLiteral("בחר עמודות"), this);
    m_filter = new QPushButton(QStringLiteral("סינון"), this);
    m_design = new QPushButton(QStringLiteral("עיצוב"), this);
    m_perRow = new QSpinBox(this);
    m_perRow->setRange(1, 20);
    m_perRow->setValue(m_options.PerRow());
    m_perPage = new QSpinBox(this);
    m_perPage->setRange(1, 1000);
    m_perPage->setValue(m_options.PerPage());
    m_envelopes = new QCheckBox(QStringLiteral("הדפסה ישירות על מעטפות"), this);
    m_envelopes->setToolTip(QStringLiteral("המדבקות יודפסו אחת בכל דף, לרוחב הדף, ישירות על המעטפה"));
    m_groupAlphabetical = new QCheckBox(QStringLiteral("סדר א\"ב בתוך הקבוצה"), this);
    m_groupAlphabetical->setChecked(m_options.groupAlphabetical);
    m_familyFirst = new QCheckBox(QStringLiteral("שם משפחה לפני שם פרטי"), this);
    m_familyFirst->setChecked(m_options.familyFirst);
    m_print = new QPushButton(QStringLiteral("הדפסה"), this);
    m_saveText = new QPushButton(QStringLiteral("שמור בקובץ טקסט"), this);
    m_saveHtml = new QPushButton(QStringLiteral("שמור בקובץ HTML"), this);
    m_savePdf = new QPushButton(QStringLiteral("שמור בקובץ PDF"), this);
    m_excel = new QPushButton(QStringLiteral("פתח ב - EXCEL"), this);
    m_browser = new CReportBrowser(this);
    m_browser->setOpenLinks(false);

    auto* choose = new QHBoxLayout;
    choose->addWidget(m_categories, 1);
    choose->addWidget(m_reports);
    auto* settings = new QHBoxLayout;
    settings->addWidget(m_columns);
    settings->addWidget(m_filter);
    settings->addWidget(m_design);
    settings->addWidget(new QLabel(QStringLiteral("מספר הרשומות בשורה:"), this));
    settings->addWidget(m_perRow);
    settings->addWidget(new QLabel(QStringLiteral("מספר הרשומות בדף:"), this));
    settings->addWidget(m_perPage);
    settings->addWidget(m_groupAlphabetical);
    settings->addWidget(m_familyFirst);
    settings->addWidget(m_envelopes);
    settings->addStretch(1);
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {m_print, m_saveText, m_saveHtml, m_savePdf, m_excel})
        actions->addWidget(button);
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choose);
    layout->addLayout(settings);
    layout->addWidget(m_browser, 1);
    layout->addLayout(actions);

    connect(m_categories, &QTabBar::currentChanged, this, &CPrintsView::FillReports);
    connect(m_reports, &QComboBox::activated, this, &CPrintsView::ReportChosen);
    connect(m_perRow, &QSpinBox::valueChanged, this, &CPrintsView::OptionsChanged);
    connect(m_perPage, &QSpinBox::valueChanged, this, &CPrintsView::OptionsChanged);
    for (QCheckBox* box : {m_envelopes, m_groupAlphabetical, m_familyFirst})
        connect(box, &QCheckBox::toggled, this, &CPrintsView::OptionsChanged);
    connect(m_columns, &QPushButton::clicked, this, &CPrintsView::ChooseColumns);
    connect(m_filter, &QPushButton::clicked, this, &CPrintsView::EditFilter);
    connect(m_design, &QPushButton::clicked, this, &CPrintsView::Design);
    connect(m_print, &QPushButton::clicked, this, &CPrintsView::Print);
    connect(m_saveText, &QPushButton::clicked, this, [this] { SaveText(); });
    connect(m_saveHtml, &QPushButton::clicked, this, [this] { SaveHtml(); });
    connect(m_savePdf, &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(m_excel, &QPushButton::clicked, this, [this] { OpenInSpreadsheet(); });

    FillReports(0);
    ShowDefaultPage();
    UpdateButtons();
}

QString CPrintsView::PreviewPath() const
{
    return m_previewFolder.filePath(ReportCatalogue::Get(m_kind).previewFile);
}

void CPrintsView::ShowDefaultPage()
{
    const QString path = m_previewFolder.filePath(QStringLiteral("DefaultReport.html"));
    if (ReportFile::Write(path, DefaultPage()))
        m_browser->setSource(QUrl::fromLocalFile(path));
}

bool CPrintsView::ShowReport(Kind kind)
{
    const ReportCatalogue::Entry& entry = ReportCatalogue::Get(kind);
    if (entry.category >= 0 && entry.category != m_categories->currentIndex()) {
        m_filling = true;
        m_categories->setCurrentIndex(entry.category);
        m_filling = false;
        FillReports(entry.category);
    }
    const int index = m_reports->findData(int(kind));
    if (index >= 0)
        m_reports->setCurrentIndex(index);
    const QString path = m_previewFolder.filePath(entry.previewFile);
    CReportOptions options = m_options;
    options.text = false;
    if (!m_previewFolder.isValid() || !ReportCatalogue::Write(GetDocument(), kind, options, path))
        return Written(false, path);
    m_kind = kind;
    m_hasReport = true;
    m_browser->setSource(QUrl::fromLocalFile(path));
    m_browser->reload();
    UpdateButtons();
    return true;
}

void CPrintsView::FillReports(int category)
{
    if (m_filling)
        return;
    m_reports->clear();
    for (const ReportCatalogue::Entry& entry : ReportCatalogue::InCategory(category))
        m_reports->addItem(entry.listText, int(entry.kind));
    m_reports->setCurrentIndex(-1);
}

void CPrintsView::ReportChosen(int index)
{
    if (index >= 0)
        ShowReport(Kind(m_reports->itemData(index).toInt()));
}

void CPrintsView::OptionsChanged()
{
    m_options.perRow = m_perRow->value();
    m_options.perPage = m_perPage->value();
    m_options.envelopes = m_envelopes->isChecked();
    m_options.groupAlphabetical = m_groupAlphabetical->isChecked();
    m_options.familyFirst = m_familyFirst->isChecked();
    StoreOptions();
    if (m_hasReport)
        ShowReport(m_kind);
}

void CPrintsView::StoreOptions()
{
    m_options.Save(GetDocument().Location().GetFilePath(FC_SETTINGS));
}

void CPrintsView::UpdateButtons()
{
    const bool guestList = m_hasReport && IsGuestList(m_kind);
    m_columns->setEnabled(guestList);
    m_filter->setEnabled(guestList && bool(m_filterEditor));
    m_design->setEnabled(m_hasReport && IsCardSheet(m_kind));
    m_envelopes->setEnabled(m_hasReport && m_kind == Kind::AddressLabels);
    m_perRow->setEnabled(m_hasReport && IsCardSheet(m_kind));
    m_groupAlphabetical->setEnabled(m_hasReport && m_kind == Kind::GuestsByGroup);
    m_familyFirst->setEnabled(m_hasReport && IsCardSheet(m_kind));
    for (QPushButton* button : {m_print, m_saveText, m_saveHtml, m_savePdf})
        button->setEnabled(m_hasReport);
}

void CPrintsView::ChooseColumns()
{
    CReportColumnsDlg dialog(m_options.columns, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_options.columns = dialog.Columns();
    StoreOptions();
    ShowReport(m_kind);
}

void CPrintsView::EditFilter()
{
    if (!m_filterEditor || !m_filterEditor(m_options.filter, this))
        return;
    StoreOptions();
    ShowReport(m_kind);
}

void CPrintsView::Design()
{
    const bool accepted = m_kind == Kind::TableCards ? CDesignTableCardsDlg(GetDocument(), this).exec() == QDialog::Accepted
                                                     : CDesignAddressDlg(GetDocument(), this).exec() == QDialog::Accepted;
    if (accepted)
        ShowReport(m_kind);
}

void CPrintsView::Print()
{
    if (!m_hasReport)
        return;
    const bool landscape = m_kind == Kind::AddressLabels && m_options.envelopes;
    HtmlPrintPreview::Run(TextEngineMarkup::Adapt(ReportCatalogue::Generate(GetDocument(), m_kind, m_options)), landscape,
                          this);
}

QString CPrintsView::AskPath(const QString& filter, const QString& baseName, const QString& extension)
{
    return ReportSaving::AskPath(this, GetDocument().Location().GetDataFolder(), GetDocument().Messages(), filter, baseName,
                                 extension);
}

bool CPrintsView::Written(bool written, const QString& path)
{
    return ReportSaving::Checked(written, path, GetDocument().Messages());
}

QString CPrintsView::ChosenOrAsked(const QString& chosenPath, const QString& filter, const QString& baseName,
                                  const QString& extension)
{
    return chosenPath.isEmpty() ? AskPath(filter, baseName, extension) : chosenPath;
}

bool CPrintsView::SaveReport(const QString& path, bool text)
{
    if (path.isEmpty() || !m_hasReport)
        return false;
    CReportOptions options = m_options;
    options.text = text;
    return Written(ReportCatalogue::Write(GetDocument(), m_kind, options, path), path);
}

bool CPrintsView::SaveHtml(const QString& chosenPath)
{
    return SaveReport(ChosenOrAsked(chosenPath, QStringLiteral("Html files (*.htm *.html);;All files (*)"),
                                    QStringLiteral("HtmlReport"), QStringLiteral("html")),
                      false);
}

bool CPrintsView::SaveText(const QString& chosenPath)
{
    return SaveReport(ChosenOrAsked(chosenPath, QStringLiteral("Text files (*.txt);;All files (*)"), QStringLiteral("report"),
                                    QStringLiteral("txt")),
                      true);
}

bool CPrintsView::SavePdf(const QString& chosenPath)
{
    const QString path = ChosenOrAsked(chosenPath, QStringLiteral("PDF files (*.pdf);;All files (*)"), QStringLiteral("report"),
                                       QStringLiteral("pdf"));
    if (path.isEmpty() || !m_hasReport)
        return false;
    CReportOptions options = m_options;
    options.text = false;
    const bool landscape = m_kind == Kind::AddressLabels && m_options.envelopes;
    return Written(ReportPdf::Write(ReportCatalogue::Generate(GetDocument(), m_kind, options), path,
                                    landscape ? ReportPdf::Orientation::Landscape : ReportPdf::Orientation::Portrait),
                   path);
}

bool CPrintsView::OpenInSpreadsheet(const QString& chosenPath)
{
    const QString path = ChosenOrAsked(chosenPath, QStringLiteral("Excel files (*.xls);;All files (*)"), QStringLiteral("report"),
                                       QStringLiteral("xls"));
    if (path.isEmpty())
        return false;
    const bool tables = m_kind == Kind::TablesById || m_kind == Kind::TablesByHallNumber;
    const SheetExport::Rows rows = tables ? SheetExport::Tables(GetDocument()) : SheetExport::Guests(GetDocument());
    if (!Written(SheetExport::Write(path, rows), path))
        return false;
    m_platform.OpenFile(path);
    return true;
}

void CPrintsView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    CGenericView::OnUpdate(sender, hint, object);
    if (m_hasReport && isVisible())
        ShowReport(m_kind);
}

void CPrintsView::OnActivate()
{
    CGenericView::OnActivate();
    if (m_hasReport)
        ShowReport(m_kind);
}

bool CPrintsView::IsReportCommand(int commandId)
{
    return commandId == ID_REPORT_GUESTS_BY_FAMILY || commandId == ID_REPORT_GUESTS_BY_NAME
        || commandId == ID_REPORT_TABLES_BY_SERIAL || commandId == ID_REPORT_TABLES_BY_HALL;
}

bool CPrintsView::HandlesCommand(int commandId) const
{
    return IsReportCommand(commandId) || CGenericView::HandlesCommand(commandId);
}

bool CPrintsView::IsCommandEnabled(int commandId) const
{
    return HandlesCommand(commandId) || CGenericView::IsCommandEnabled(commandId);
}

void CPrintsView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_REPORT_GUESTS_BY_FAMILY:
        ShowReport(Kind::GuestsByFamilyName);
        break;
    case ID_REPORT_GUESTS_BY_NAME:
        ShowReport(Kind::GuestsByFirstName);
        break;
    case ID_REPORT_TABLES_BY_SERIAL:
        ShowReport(Kind::TablesById);
        break;
    case ID_REPORT_TABLES_BY_HALL:
        ShowReport(Kind::TablesByHallNumber);
        break;
    default:
        CGenericView::OnCommand(commandId);
    }
}
