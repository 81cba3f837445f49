#pragma once

#include "controls/GenericView.h"
#include "reports/core/ReportCatalogue.h"
#include "reports/core/ReportOptions.h"

#include <QTemporaryDir>

#include <functional>

class CGuestFilter;
class IPlatform;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTextBrowser;

// "דו"חות והדפסות": picks a report from the catalogue, shows it from a private temporary folder,
// prints it through a print preview, saves it as HTML, text or PDF, and opens the spreadsheet
// export in the desktop's spreadsheet program.
class CPrintsView : public CGenericView
{
    Q_OBJECT

public:
    static constexpr int kPosition = 12;

    CPrintsView(CNewZelDoc& document, IPlatform& platform, QWidget* parent = nullptr);

    // The guest filter dialog belongs to the guests' windows; the program hands it in.
    void SetFilterEditor(std::function<bool(CGuestFilter&, QWidget*)> editor) { m_filterEditor = std::move(editor); }

    // Generates the report into the preview folder and shows it; false (the previous page stays)
    // when it could not be written.
    bool ShowReport(ReportCatalogue::Kind kind);
    bool HasReport() const { return m_hasReport; }
    ReportCatalogue::Kind CurrentKind() const { return m_kind; }
    QString PreviewPath() const;
    const CReportOptions& Options() const { return m_options; }

    // The actions of the buttons; a path chosen beforehand (empty: ask with a save dialog).
    bool SaveHtml(const QString& chosenPath = QString());
    bool SaveText(const QString& chosenPath = QString());
    bool SavePdf(const QString& chosenPath = QString());
    bool OpenInSpreadsheet(const QString& chosenPath = QString());

    // The main menu's four report commands, which this page carries out.
    static bool IsReportCommand(int commandId);

    void OnUpdate(QObject* sender, int hint, CHintObject* object) override;
    void OnActivate() override;
    bool HandlesCommand(int commandId) const override;
    bool IsCommandEnabled(int commandId) const override;
    void OnCommand(int commandId) override;

    QTextBrowser* Browser() const { return m_browser; }
    QTabBar* Categories() const { return m_categories; }
    QComboBox* Reports() const { return m_reports; }
    QSpinBox* PerRow() const { return m_perRow; }
    QSpinBox* PerPage() const { return m_perPage; }
    QCheckBox* Envelopes() const { return m_envelopes; }

private:
    void FillReports(int category);
    void ReportChosen(int index);
    void OptionsChanged();
    void ChooseColumns();
    void EditFilter();
    void Design();
    void Print();
    void ShowDefaultPage();
    void StoreOptions();
    void UpdateButtons();
    // A save dialog proposing the next free name of the Reports folder; empty on cancel or on No
    // to the overwrite question.
    QString AskPath(const QString& filter, const QString& baseName, const QString& extension);
    QString ChosenOrAsked(const QString& chosenPath, const QString& filter, const QString& baseName, const QString& extension);
    // The report (its text form when asked) into the path; false when there is none or no report.
    bool SaveReport(const QString& path, bool text);
    bool Written(bool written, const QString& path);

    IPlatform& m_platform;
    CReportOptions m_options;
    QTemporaryDir m_previewFolder;
    std::function<bool(CGuestFilter&, QWidget*)> m_filterEditor;
    ReportCatalogue::Kind m_kind = ReportCatalogue::Kind::GuestsByFirstName;
    bool m_hasReport = false;
    bool m_filling = false;

    QTabBar* m_categories;
    QComboBox* m_reports;
    QPushButton* m_columns;
    QPushButton* m_filter;
    QPushButton* m_design;
    QSpinBox* m_perRow;
    QSpinBox* m_perPage;
    QCheckBox* m_envelopes;
    QCheckBox* m_groupAlphabetical;
    QCheckBox* m_familyFirst;
    QPushButton* m_print;
    QPushButton* m_saveText;
    QPushButton* m_saveHtml;
    QPushButton* m_savePdf;
    QPushButton* m_excel;
    QTextBrowser* m_browser;
};
