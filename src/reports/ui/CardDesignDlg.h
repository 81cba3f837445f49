#pragma once

#include "reports/core/CardReport.h"

#include <QDialog>

class CNewZelDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTextBrowser;

// What the table-card and the address-label designers share: the text lines, the size, the
// border and the font, a live preview of one card with sample texts, and OK storing the design in
// the event's settings. A table card has line 4 around its table number; a label has an address.
class CCardDesignDlg : public QDialog
{
    Q_OBJECT

public:
    CCardDesignDlg(CNewZelDoc& document, CardReport::Kind kind, const QString& title, QWidget* parent = nullptr);

    // The design as the fields hold it now.
    CardReport::Design CurrentDesign() const;
    // The markup of the preview.
    QString PreviewHtml() const;
    QTextBrowser* Preview() const { return m_preview; }
    QLineEdit* Line1() const { return m_line1; }
    QSpinBox* CardWidth() const { return m_width; }
    QComboBox* BorderColor() const { return m_borderColor; }

public slots:
    void accept() override;

private:
    QLineEdit* AddLine(class QFormLayout& form, const QString& label, const QString& text);
    void Rebuild();
    void ChooseFont();
    void ShowFont();

    CNewZelDoc& m_document;
    CardReport::Kind m_kind;
    CardReport::Design m_design;

    QLineEdit* m_line1 = nullptr;
    QLineEdit* m_line2 = nullptr;
    QLineEdit* m_line4Start = nullptr;
    QLineEdit* m_line4End = nullptr;
    QLineEdit* m_line5 = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_width = nullptr;
    QComboBox* m_borderSize = nullptr;
    QComboBox* m_borderColor = nullptr;
    QLabel* m_font = nullptr;
    QTextBrowser* m_preview = nullptr;
};
