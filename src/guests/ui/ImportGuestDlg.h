#pragma once

#include <QDialog>

#include <memory>

class CGuestImport;
class CNewZelDoc;
class IPlatform;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// "יבוא נתונים": reads candidates from another event's folder or from a spreadsheet and adds the
// selected ones to the event, or replaces the whole event with another one.
class CImportGuestDlg : public QDialog
{
    Q_OBJECT

public:
    CImportGuestDlg(CNewZelDoc& document, IPlatform& platform, QWidget* parent = nullptr);
    ~CImportGuestDlg() override;

    // The steps behind the buttons, for the buttons and for tests.
    void ChooseFolder();
    void ChooseSheet();
    void ReadFolder(const QString& folder);
    void ReadSheet(const QString& path);
    void Replace();
    void AddSelected();
    void Reload();
    void EditOptions();

    CGuestImport& Import() { return *m_import; }
    QTreeWidget* CandidateList() const { return m_list; }
    QRadioButton* ReplaceRadio() const { return m_replaceAll; }
    QRadioButton* AddOnlyRadio() const { return m_addOnly; }
    QPushButton* ReplaceButton() const { return m_replace; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* SelectAllButton() const { return m_selectAll; }

private:
    void ReadSource(const QString& source, bool folder);
    void FillList();
    void UpdateButtons();

    CNewZelDoc& m_document;
    IPlatform& m_platform;
    std::unique_ptr<CGuestImport> m_import;
    // The source the candidates came from last, read again by "רענן".
    QString m_lastSource;
    bool m_lastWasFolder = false;

    QLineEdit* m_folder;
    QLineEdit* m_sheet;
    QRadioButton* m_replaceAll;
    QRadioButton* m_addOnly;
    QPushButton* m_replace;
    QTreeWidget* m_list;
    QPushButton* m_reload;
    QPushButton* m_add;
    QPushButton* m_selectAll;
};
